#include "ui/hexview/HexKeyMap.h"

#include <QtGui/QKeyEvent>
#include <QtGui/QKeySequence>

namespace {
struct KeyBinding {
    QKeySequence::StandardKey key;
    HexKeyMove move;
};

constexpr KeyBinding kBindings[] = {
    {QKeySequence::MoveToPreviousChar, {HexMove::PreviousChar, false}},
    {QKeySequence::MoveToNextChar, {HexMove::NextChar, false}},
    {QKeySequence::MoveToPreviousLine, {HexMove::PreviousLine, false}},
    {QKeySequence::MoveToNextLine, {HexMove::NextLine, false}},
    {QKeySequence::MoveToPreviousPage, {HexMove::PreviousPage, false}},
    {QKeySequence::MoveToNextPage, {HexMove::NextPage, false}},
    {QKeySequence::MoveToStartOfLine, {HexMove::StartOfLine, false}},
    {QKeySequence::MoveToEndOfLine, {HexMove::EndOfLine, false}},
    {QKeySequence::MoveToStartOfDocument, {HexMove::StartOfDocument, false}},
    {QKeySequence::MoveToEndOfDocument, {HexMove::EndOfDocument, false}},
    {QKeySequence::SelectPreviousChar, {HexMove::PreviousChar, true}},
    {QKeySequence::SelectNextChar, {HexMove::NextChar, true}},
    {QKeySequence::SelectPreviousLine, {HexMove::PreviousLine, true}},
    {QKeySequence::SelectNextLine, {HexMove::NextLine, true}},
    {QKeySequence::SelectPreviousPage, {HexMove::PreviousPage, true}},
    {QKeySequence::SelectNextPage, {HexMove::NextPage, true}},
    {QKeySequence::SelectStartOfLine, {HexMove::StartOfLine, true}},
    {QKeySequence::SelectEndOfLine, {HexMove::EndOfLine, true}},
    {QKeySequence::SelectStartOfDocument, {HexMove::StartOfDocument, true}},
    {QKeySequence::SelectEndOfDocument, {HexMove::EndOfDocument, true}},
};
} // namespace

std::optional<HexKeyMove> hexMoveForKey(const QKeyEvent& event)
{
    for (const KeyBinding& binding : kBindings) {
        if (event.matches(binding.key))
            return binding.move;
    }
    return std::nullopt;
}
