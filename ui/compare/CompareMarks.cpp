#include "ui/compare/CompareMarks.h"

QBrush lineMark(pst::LineKind kind, bool gap, bool moved)
{
    if (gap)
        return QBrush(QColor(176, 176, 176), Qt::BDiagPattern);
    switch (kind) {
    case pst::LineKind::Same: return {};
    case pst::LineKind::Changed: return changedFieldMark();
    case pst::LineKind::OnlyLeft:
    case pst::LineKind::OnlyRight: return QBrush(moved ? QColor(236, 222, 255) : QColor(214, 230, 255));
    }
    return {};
}

QBrush changedFieldMark() { return QBrush(QColor(255, 255, 168)); }
