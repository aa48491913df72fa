#include "catalogs/IniWriter.h"

#include "catalogs/IniLine.h"
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
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.find("\r\n") == std::string_view::npos && text.find('\n') != std::string_view::npos)
        out.eol = "\n";
    IniLineSplitter lines(text);
    std::string_view line;
    while (lines.next(line))
        out.lines.emplace_back(line);
    return out;
}

// Places `entry` into the lines: replaces the key where it stands, or adds it
// after the last entry of its section, or appends the section at the end.
// Sections and keys are found as the reader finds them: a section that
// appears twice is one, and the first entry of a key is the one it reads.
void place(std::vector<std::string>& lines, std::string_view section, std::string_view key, const std::string& entry)
{
    constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);
    std::size_t lastInSection = kNotFound;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const IniLine t = tokenizeIniLine(lines[i]);
        if (t.kind == IniLine::Kind::Section) {
            inSection = iniNameIs(t.name, section);
            if (inSection)
                lastInSection = i;
            continue;
        }
        if (!inSection)
            continue;
        if (t.kind == IniLine::Kind::Entry && iniNameIs(t.name, key)) {
            lines[i] = entry;
            return;
        }
        if (!trimBlanks(lines[i]).empty())
            lastInSection = i;
    }
    if (lastInSection == kNotFound) {
        lines.push_back("[" + std::string(trimBlanks(section)) + "]");
        lines.push_back(entry);
        return;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastInSection + 1), entry);
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
