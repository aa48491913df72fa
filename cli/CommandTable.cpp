#include "cli/CommandTable.h"

#include "cli/CommandGroups.h"
#include "cli/GlobalOptions.h"

#include <algorithm>

namespace pst::cli {

namespace {

std::vector<CommandSpec> collect()
{
    std::vector<CommandSpec> all;
    for (auto group : {fileCommands(), editCommands(), catalogCommands(), convertCommands(), printCommands(),
                       compareCommands()})
        all.insert(all.end(), group.begin(), group.end());
    return all;
}

// Edit distance, for "did you mean".
std::size_t distance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

const std::vector<CommandSpec>& allCommands()
{
    static const std::vector<CommandSpec> commands = collect();
    return commands;
}

const CommandSpec* findCommand(std::string_view name)
{
    const auto& all = allCommands();
    const auto it = std::find_if(all.begin(), all.end(), [&](const CommandSpec& c) { return c.name == name; });
    return it == all.end() ? nullptr : &*it;
}

std::optional<std::string> closestName(std::string_view name)
{
    constexpr std::size_t kMaxDistance = 2;
    std::optional<std::string> best;
    std::size_t bestDistance = kMaxDistance + 1;
    auto consider = [&](std::string_view candidate) {
        const std::size_t d = distance(name, candidate);
        if (d < bestDistance) {
            bestDistance = d;
            best = std::string(candidate);
        }
    };
    for (const CommandSpec& c : allCommands())
        consider(c.name);
    for (std::string_view option : kGlobalOptionNames)
        consider(option);
    return best;
}

} // namespace pst::cli
