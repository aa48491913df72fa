#include "catalogs/IniWriter.h"

#include "catalogs/IniText.h"
#include "model/Error.h"
#include "model/FileSystem.h"
#include "model/Messages.h"

#include <string>
#include <vector>

namespace pst {

namespace {

struct Lines {
    std::vector<std::string> lines;
    std::string eol = "\r\n";
};

Lines splitLines(const Bytes& bytes)
{
    Lines out;
    const std::string text(bytes.begin(), bytes.end());
    if (text.find("\r\n") == std::string::npos && text.find('\n') != std::string::npos)
        out.eol = "\n";
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos)
            end = text.size();
        out.lines.push_back(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && text[pos] == '\r')
            ++pos;
        if (pos < text.size() && text[pos] == '\n')
            ++pos;
    }
    return out;
}

bool isKeyLine(std::string_view line, std::string_view key)
{
    const std::string_view t = trimBlanks(line);
    if (t.empty() || t.front() == ';')
        return false;
    const auto eq = t.find('=');
    return eq != std::string_view::npos && sameName(trimBlanks(t.substr(0, eq)), key);
}

// Places `entry` into the lines: replaces the key where it stands, or adds it
// after the last entry of its section, or appends the section at the end.
void place(std::vector<std::string>& lines, std::string_view section, std::string_view key, const std::string& entry)
{
    std::size_t i = 0;
    for (; i < lines.size(); ++i) {
        const SectionLine s = parseSectionLine(lines[i]);
        if (s.ok && sameName(s.name, trimBlanks(section)))
            break;
    }
    if (i == lines.size()) {
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(entry);
        return;
    }
    std::size_t lastEntry = i;
    for (std::size_t j = i + 1; j < lines.size() && !parseSectionLine(lines[j]).ok; ++j) {
        if (isKeyLine(lines[j], key)) {
            lines[j] = entry;
            return;
        }
        if (!trimBlanks(lines[j]).empty())
            lastEntry = j;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastEntry + 1), entry);
}

} // namespace

void WriteIniValue(FileSystem& fs, const std::string& path, std::string_view section, std::string_view key,
                   std::string_view value)
{
    Bytes old;
    const FileKind kind = fs.kind(path);
    if (kind == FileKind::Regular) {
        ReadResult r = fs.readFile(path, kMaxCatalogFileSize);
        if (!r.ok)
            throw Error(msg::unableToWrite(path));
        old = std::move(r.bytes);
    } else if (kind != FileKind::Missing) {
        throw Error(msg::unableToWrite(path));
    }
    Lines text = splitLines(old);
    place(text.lines, section, key, std::string(trimBlanks(key)) + "=" + std::string(value));
    std::string out;
    for (const std::string& line : text.lines)
        out += line + text.eol;
    if (fs.writeFileAtomic(path, Bytes(out.begin(), out.end())))
        throw Error(msg::unableToWrite(path));
}

} // namespace pst
