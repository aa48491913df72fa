#include "compare/LineAfterChange.h"

#include <algorithm>

namespace pst {

namespace {
int anchorRow(const CompareLine& line, CompareSide anchor)
{
    return anchor == CompareSide::Left ? line.left : line.right;
}
} // namespace

int lineAfterChange(const ScriptComparison& before, int line, const ScriptComparison& after, CompareSide anchor)
{
    const int count = static_cast<int>(after.lines.size());
    if (line < 0 || count == 0)
        return -1;
    line = std::min(line, static_cast<int>(before.lines.size()) - 1);
    const std::vector<int>& anchorLines = anchor == CompareSide::Left ? after.leftLine : after.rightLine;
    // The nearest anchored line at or above, and how far below it `line` is.
    int above = line;
    while (above >= 0 && anchorRow(before.lines[static_cast<std::size_t>(above)], anchor) < 0)
        --above;
    const int row = above >= 0 ? anchorRow(before.lines[static_cast<std::size_t>(above)], anchor) : -1;
    const int start = row >= 0 ? anchorLines.at(static_cast<std::size_t>(row)) : 0;
    const int distance = row >= 0 ? line - above : line;
    // Not past the next anchored line, nor past the end.
    const int nextRow = row + 1;
    const int limit = nextRow < static_cast<int>(anchorLines.size()) ? anchorLines[static_cast<std::size_t>(nextRow)]
                                                                      : count - 1;
    return std::min({start + distance, limit, count - 1});
}

} // namespace pst
