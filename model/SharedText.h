#pragma once
// A text that many rows show, kept once: copies share one immutable buffer.
// A script repeats a few hundred descriptions over thousands of steps, so a
// row holds its description as a SharedText; copying a row then allocates
// nothing for it. Assigning a new text replaces the row's share, never the
// text other rows see.

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

namespace pst {

// Converts implicitly from and to std::string, so that rows are given and
// read plain strings.
class SharedText {
public:
    SharedText() = default;
    SharedText(std::string text)
        : m_text(text.empty() ? nullptr : std::make_shared<const std::string>(std::move(text)))
    {
    }
    SharedText(const char* text) : SharedText(std::string(text)) {}

    const std::string& str() const { return m_text ? *m_text : noText(); }
    operator const std::string&() const { return str(); }
    operator std::string_view() const { return str(); }
    bool empty() const { return !m_text; }
    std::size_t size() const { return str().size(); }

    friend bool operator==(const SharedText& a, const SharedText& b)
    {
        return a.m_text == b.m_text || a.str() == b.str();
    }
    friend bool operator==(const SharedText& a, const std::string& b) { return a.str() == b; }
    friend bool operator==(const SharedText& a, std::string_view b) { return a.str() == b; }
    friend bool operator==(const SharedText& a, const char* b) { return a.str() == b; }

private:
    static const std::string& noText();

    std::shared_ptr<const std::string> m_text;
};

std::ostream& operator<<(std::ostream& out, const SharedText& text);

} // namespace pst
