#pragma once
// Navigation keys of the hex view, matched by meaning (the platform's
// bindings of QKeySequence's standard keys), not by key code.

#include "ui/hexview/HexCursor.h"

#include <optional>

class QKeyEvent;

struct HexKeyMove {
    HexMove move;
    bool extend; // the Shift form: grows the selection
};

// The move a key asks for, or nullopt when it is no navigation key.
std::optional<HexKeyMove> hexMoveForKey(const QKeyEvent& event);
