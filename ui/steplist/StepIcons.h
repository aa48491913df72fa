#pragma once
// The step list's six row icons (ilIcons), in their fixed order: 0 teal
// question mark, 1 green tick (passed), 2 red cross (failed), 3 empty (no
// result logged), 4 and 5 green triangles up and down. Each is drawn from
// its SVG when a row first shows it: an empty list needs none.

#include "model/StepRecord.h"

#include <QtGui/QIcon>

#include <array>
#include <optional>

class StepIcons {
public:
    static constexpr int kCount = 6;

    StepIcons() = default;
    // The icon of an index 0..5. Any other index (a row without icon) gets
    // the empty one, so that every row's text starts at the same place.
    const QIcon& icon(int index) const;
    const QIcon& icon(pst::StepIcon index) const { return icon(static_cast<int>(index)); }

private:
    mutable std::array<std::optional<QIcon>, kCount> m_icons; // empty: not drawn yet
};
