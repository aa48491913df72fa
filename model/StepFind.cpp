#include "model/StepFind.h"

#include "model/Blanks.h"

#include <algorithm>

namespace pst {

namespace {
char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalFolded(std::string_view text, std::string_view folded)
{
    return text.size() == folded.size()
           && std::equal(text.begin(), text.end(), folded.begin(), [](char a, char b) { return lower(a) == b; });
}

bool containsFolded(std::string_view text, std::string_view folded)
{
    return std::search(text.begin(), text.end(), folded.begin(), folded.end(),
                       [](char a, char b) { return lower(a) == b; })
           != text.end();
}
} // namespace

StepQuery::StepQuery(std::string_view text)
{
    const std::string_view trimmed = trimBlanks(text);
    m_text.reserve(trimmed.size());
    for (const char c : trimmed)
        m_text.push_back(lower(c));
}

bool StepQuery::matches(const StepRow& row) const
{
    if (m_text.empty())
        return false;
    return equalFolded(row.caption.str(), m_text) || containsFolded(row.description.str(), m_text);
}

FindResult findStep(const StepList& steps, const StepQuery& query, int from, FindDirection direction)
{
    const int n = steps.size();
    if (n == 0 || query.empty())
        return {};
    const int step = direction == FindDirection::Next ? 1 : -1;
    // From no row, the first candidate is the first (last) row, unwrapped.
    int start = from;
    if (!steps.valid(from))
        start = direction == FindDirection::Next ? -1 : n;
    for (int k = 1; k <= n; ++k) {
        const int raw = start + step * k;
        const int row = ((raw % n) + n) % n;
        if (query.matches(steps.row(row)))
            return {row, raw < 0 || raw >= n};
    }
    return {};
}

} // namespace pst
