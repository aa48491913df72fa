#pragma once
// A program's help as structured text, so that --help and the manual page
// are written from one source and cannot drift apart.

#include <string>
#include <vector>

namespace pst::cli {

struct HelpBlock {
    enum class Kind {
        Paragraph, // running text, wrapped
        Item,      // a term ("--load FILE", "0") and its explanation
        Verbatim,  // one line shown as it stands (a format, an example)
    };
    Kind kind = Kind::Paragraph;
    std::string term; // Item only
    std::string text;
};

struct HelpSection {
    std::string title;           // "Commands"
    std::size_t termColumn = 24; // where an Item's explanation starts in --help
    std::vector<HelpBlock> blocks;
};

struct HelpDocument {
    std::string name;                  // "pstool"
    std::string summary;               // one line, lower case, no full stop
    std::vector<std::string> synopsis; // argument forms, without the name
    std::vector<std::string> description;
    std::vector<HelpSection> sections;
    std::string footer; // the closing line of --help; a SEE ALSO paragraph in the manual
};

inline HelpBlock paragraph(std::string text) { return {HelpBlock::Kind::Paragraph, {}, std::move(text)}; }
inline HelpBlock item(std::string term, std::string text)
{
    return {HelpBlock::Kind::Item, std::move(term), std::move(text)};
}
inline HelpBlock verbatim(std::string line) { return {HelpBlock::Kind::Verbatim, {}, std::move(line)}; }

} // namespace pst::cli
