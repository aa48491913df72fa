#include "model/ByteHistory.h"

#include <utility>

namespace pst {

void ByteHistory::record(ByteEdit overwritten)
{
    m_redo.clear();
    while (!m_undo.empty() && m_undoBytes > m_budgetBytes) {
        m_undoBytes -= m_undo.front().bytes.size();
        m_undo.pop_front();
    }
    m_undoBytes += overwritten.bytes.size();
    m_undo.push_back(std::move(overwritten));
}

ByteEdit ByteHistory::undo(ByteEdit current)
{
    ByteEdit step = std::move(m_undo.back());
    m_undo.pop_back();
    m_undoBytes -= step.bytes.size();
    m_redo.push_back(std::move(current));
    return step;
}

ByteEdit ByteHistory::redo(ByteEdit current)
{
    ByteEdit step = std::move(m_redo.back());
    m_redo.pop_back();
    m_undoBytes += current.bytes.size();
    m_undo.push_back(std::move(current));
    return step;
}

void ByteHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
    m_undoBytes = 0;
}

} // namespace pst
