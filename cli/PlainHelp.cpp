#include "cli/PlainHelp.h"

namespace pst::cli {

namespace {

std::string renderItem(const HelpBlock& block, std::size_t column)
{
    std::string line = "  " + block.term;
    // A term that reaches the column gets its explanation on the next line.
    if (line.size() + 2 > column)
        line += "\n" + std::string(column, ' ');
    else
        line += std::string(column - line.size(), ' ');
    return line + wrapText(block.text, column, column, kHelpWidth) + "\n";
}

std::string renderBlock(const HelpBlock& block, std::size_t column)
{
    switch (block.kind) {
    case HelpBlock::Kind::Item:
        return renderItem(block, column);
    case HelpBlock::Kind::Verbatim:
        return "  " + block.text + "\n";
    case HelpBlock::Kind::Paragraph:
        break;
    }
    return wrapText(block.text, 0, 0, kHelpWidth) + "\n";
}

// Paragraphs stand apart; items and verbatim lines run on in a list.
bool needsBlankLine(const HelpBlock& previous, const HelpBlock& next)
{
    return previous.kind == HelpBlock::Kind::Paragraph || previous.kind != next.kind;
}

std::string renderSection(const HelpSection& section)
{
    std::string text = "\n" + section.title + ":\n";
    for (std::size_t i = 0; i < section.blocks.size(); ++i) {
        if (i > 0 && needsBlankLine(section.blocks[i - 1], section.blocks[i]))
            text += "\n";
        text += renderBlock(section.blocks[i], section.termColumn);
    }
    return text;
}

} // namespace

std::string wrapText(std::string_view text, std::size_t firstIndent, std::size_t indent, std::size_t width)
{
    std::string out;
    std::size_t column = firstIndent;
    bool lineHasWord = false;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(' ', at)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        const std::string_view word = text.substr(at, end - at);
        if (lineHasWord && column + 1 + word.size() > width) {
            out += "\n" + std::string(indent, ' ');
            column = indent;
            lineHasWord = false;
        }
        if (lineHasWord) {
            out += ' ';
            ++column;
        }
        out += word;
        column += word.size();
        lineHasWord = true;
        at = end;
    }
    return out;
}

std::string renderPlainHelp(const HelpDocument& doc)
{
    std::string text;
    for (std::size_t i = 0; i < doc.synopsis.size(); ++i)
        text += std::string(i == 0 ? "Usage: " : "  or:  ") + doc.name + " " + doc.synopsis[i] + "\n";
    text += wrapText(doc.summary, 0, 0, kHelpWidth) + ".\n";
    for (const std::string& p : doc.description)
        text += "\n" + wrapText(p, 0, 0, kHelpWidth) + "\n";
    for (const HelpSection& section : doc.sections)
        text += renderSection(section);
    if (!doc.footer.empty())
        text += "\n" + wrapText(doc.footer, 0, 0, kHelpWidth) + "\n";
    return text;
}

} // namespace pst::cli
