#include "ui/HexUndoStack.h"

#include <utility>

void HexUndoStack::record(HexEdit overwritten)
{
    m_redo.clear();
    while (!m_undo.empty() && m_undoBytes > m_budgetBytes) {
        m_undoBytes -= m_undo.front().bytes.size();
        m_undo.pop_front();
    }
    m_undoBytes += overwritten.bytes.size();
    m_undo.push_back(std::move(overwritten));
}

HexEdit HexUndoStack::undo(HexEdit current)
{
    HexEdit step = std::move(m_undo.back());
    m_undo.pop_back();
    m_undoBytes -= step.bytes.size();
    m_redo.push_back(std::move(current));
    return step;
}

HexEdit HexUndoStack::redo(HexEdit current)
{
    HexEdit step = std::move(m_redo.back());
    m_redo.pop_back();
    m_undoBytes += current.bytes.size();
    m_undo.push_back(std::move(current));
    return step;
}

void HexUndoStack::clear()
{
    m_undo.clear();
    m_redo.clear();
    m_undoBytes = 0;
}
