#pragma once
// Findings about a script that would make it misbehave on the drive: a module
// image whose checksum does not hold, and links that point past the last
// step. One line of text per finding.

#include "model/ModuleLayout.h"

#include <string>
#include <vector>

namespace pst {

class ModuleImage;
class StepList;

// "checksum: invalid for layout <royl|legacy32|legacy28>" when the image is
// non-empty and its checksum does not make its sum zero; nothing for an
// empty image. Throws "Stream read error" for an image under 4 bytes.
std::vector<std::string> checksumFindings(const ModuleImage& image, ModuleLayout layout);

// For every row S (1-based) and every link in the order GOTO_ON_SUCCES,
// GOTO_ON_ERR, GOTO_ON_ABRT whose value V is not 0, 0xFFFF or 1..N:
// "step S: FIELD = V points past the end (N steps)", numbers in decimal.
std::vector<std::string> linkFindings(const StepList& steps);

// The findings of linkFindings() for the one row (0-based); none for a row
// without a record or out of range.
std::vector<std::string> rowLinkFindings(const StepList& steps, int row);

} // namespace pst
