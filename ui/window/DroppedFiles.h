#pragma once
// The files of a drop, in the order the drag gives them, as the core's
// paths; entries that name no local file are left out.

#include <string>
#include <vector>

class QMimeData;

std::vector<std::string> droppedPaths(const QMimeData& mime);
