#include "model/StepTextImport.h"

#include "catalogs/IniText.h"
#include "model/Editor.h"
#include "model/Hex.h"
#include "model/StepRecord.h"

#include <algorithm>

namespace pst {

namespace {

constexpr char kDelimiter = ',';
constexpr char kQuote = '"';

// From `at` (just past an opening quote) to the matching quote; `at` ends
// past the closing quote, or at the end when there is none.
std::string takeQuoted(std::string_view line, std::size_t& at)
{
    std::string out;
    while (at < line.size()) {
        const char c = line[at++];
        if (c != kQuote) {
            out += c;
            continue;
        }
        if (at < line.size() && line[at] == kQuote) {
            out += kQuote;
            ++at;
            continue;
        }
        break;
    }
    return out;
}

std::string takePlain(std::string_view line, std::size_t& at)
{
    const std::size_t start = at;
    while (at < line.size() && !isBlank(line[at]) && line[at] != kDelimiter)
        ++at;
    return std::string(line.substr(start, at - start));
}

void skipBlanks(std::string_view line, std::size_t& at)
{
    while (at < line.size() && isBlank(line[at]))
        ++at;
}

} // namespace

bool TextLines::next(std::string_view& line)
{
    if (m_at >= m_text.size())
        return false;
    const std::size_t end = m_text.find_first_of("\r\n", m_at);
    if (end == std::string_view::npos) {
        line = m_text.substr(m_at);
        m_at = m_text.size();
        return true;
    }
    line = m_text.substr(m_at, end - m_at);
    m_at = end + 1;
    if (m_text[end] == '\r' && m_at < m_text.size() && m_text[m_at] == '\n')
        ++m_at;
    return true;
}

std::vector<std::string_view> splitTextLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    TextLines reader(text);
    std::string_view line;
    while (reader.next(line))
        lines.push_back(line);
    return lines;
}

bool isSkippedStepLine(std::string_view line)
{
    return trimBlanks(line).empty() || line.find('*') != std::string_view::npos;
}

std::vector<std::string> splitStepFields(std::string_view line, std::size_t maxFields)
{
    std::vector<std::string> fields;
    std::size_t at = 0;
    skipBlanks(line, at);
    while (at < line.size() && fields.size() < maxFields) {
        if (line[at] == kQuote) {
            ++at;
            fields.push_back(takeQuoted(line, at));
        } else {
            fields.push_back(takePlain(line, at));
        }
        skipBlanks(line, at);
        if (at < line.size() && line[at] == kDelimiter) {
            ++at;
            if (at == line.size() && fields.size() < maxFields)
                fields.emplace_back();
            skipBlanks(line, at);
        }
    }
    return fields;
}

std::uint32_t parseStepField(std::string_view field)
{
    return parseHex32(trimBlanks(field)).value_or(0);
}

std::size_t stepFieldsInRecord(std::size_t recordSize)
{
    // Field k >= 2 is the word at 4 * (k - 1); TEST_ID and TEST_ARG always count.
    return std::max<std::size_t>(2, recordSize / 4 + 1);
}

void storeStepFields(MutableByteView record, const std::vector<std::string>& fields)
{
    for (std::size_t k = 0; k < fields.size(); ++k) {
        const std::uint32_t v = parseStepField(fields[k]);
        if (k == 0)
            putU16(record, field::TEST_ID, static_cast<std::uint16_t>(v));
        else if (k == 1)
            putU16(record, field::TEST_ARG, static_cast<std::uint16_t>(v));
        else if (fits(record, 4 * (k - 1), 4))
            putU32(record, 4 * (k - 1), v);
        else
            break; // every later field lies further out
    }
}

int ImportStepText(Editor& editor, std::string_view text)
{
    if (editor.image().empty())
        return 0;
    StepList& steps = editor.steps();
    const std::size_t maxFields = stepFieldsInRecord(editor.recordSize());
    int imported = 0;
    TextLines lines(text);
    std::string_view line;
    while (lines.next(line)) {
        if (isSkippedStepLine(line))
            continue;
        const int row = editor.insertStep();
        if (row == StepList::kNone)
            break; // no record size to insert with
        steps.editRows(row, row, [&](StepRow& step, int) {
            step.record.zero(0, field::TEST_FIELDS_END);
            storeStepFields(step.record.mutableBytes(), splitStepFields(line, maxFields));
            step.caption = hex2(step.record.testId());
            step.description = editor.catalogs().StepDescription(step.record.testId());
        });
        ++imported;
    }
    editor.requestRefresh();
    return imported;
}

} // namespace pst
