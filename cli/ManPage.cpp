#include "cli/ManPage.h"

#include <cctype>

namespace pst::cli {

namespace {

std::string upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// "--load FILE": the option bold, its argument italic; any other term bold.
std::string term(std::string_view text)
{
    const std::size_t blank = text.find(' ');
    if (text.rfind("--", 0) != 0 || blank == std::string_view::npos)
        return "\\fB" + roffEscape(text) + "\\fR";
    return "\\fB" + roffEscape(text.substr(0, blank)) + "\\fR \\fI" + roffEscape(text.substr(blank + 1)) + "\\fR";
}

std::string block(const HelpBlock& b)
{
    switch (b.kind) {
    case HelpBlock::Kind::Item:
        return ".TP\n" + term(b.term) + "\n" + roffEscape(b.text) + "\n";
    case HelpBlock::Kind::Verbatim:
        return roffEscape(b.text) + "\n";
    case HelpBlock::Kind::Paragraph:
        break;
    }
    return ".PP\n" + roffEscape(b.text) + "\n";
}

// Verbatim lines are set as one indented, unfilled display.
std::string section(const HelpSection& s)
{
    std::string text = ".SH " + roffEscape(upper(s.title)) + "\n";
    bool inDisplay = false;
    for (const HelpBlock& b : s.blocks) {
        const bool isVerbatim = b.kind == HelpBlock::Kind::Verbatim;
        if (isVerbatim && !inDisplay)
            text += ".PP\n.RS\n.nf\n";
        if (!isVerbatim && inDisplay)
            text += ".fi\n.RE\n";
        inDisplay = isVerbatim;
        text += block(b);
    }
    if (inDisplay)
        text += ".fi\n.RE\n";
    return text;
}

} // namespace

std::string roffEscape(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\''))
        out.insert(0, "\\&");
    return out;
}

std::string renderManPage(const HelpDocument& doc, std::string_view source)
{
    std::string summary = doc.summary;
    if (!summary.empty())
        summary[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(summary[0])));
    std::string page = ".TH " + upper(doc.name) + " 1 \"\" \"" + roffEscape(source) + "\" \"User Commands\"\n";
    // Long option names read badly when hyphenated or stretched.
    page += ".nh\n.ad l\n";
    page += ".SH NAME\n" + roffEscape(doc.name) + " \\- " + roffEscape(summary) + "\n";
    page += ".SH SYNOPSIS\n";
    for (std::size_t i = 0; i < doc.synopsis.size(); ++i)
        page += std::string(i == 0 ? "" : ".br\n") + "\\fB" + roffEscape(doc.name) + "\\fR " + roffEscape(doc.synopsis[i]) + "\n";
    page += ".SH DESCRIPTION\n";
    for (const std::string& p : doc.description)
        page += ".PP\n" + roffEscape(p) + "\n";
    for (const HelpSection& s : doc.sections)
        page += section(s);
    if (!doc.footer.empty())
        page += ".SH SEE ALSO\n" + roffEscape(doc.footer) + "\n";
    return page;
}

} // namespace pst::cli
