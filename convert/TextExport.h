#pragma once
// The text exports: propose a file name in the shared save dialog, build the
// text and write it atomically.

#include "model/Host.h"

#include <functional>
#include <string>
#include <string_view>

namespace pst {

class Editor;

// Does nothing when no module is loaded (empty image): no dialog, no file.
// Otherwise proposes `proposedName` in the shared save dialog, leaving its
// filter as it is, and writes the text that `buildText` makes once the user
// has chosen a file; the builder runs only then. A cancelled dialog writes
// nothing. The proposed name is cleared afterwards however the export ends.
// Throws Error "Cannot create file "<path>". <reason>" when the file cannot be
// written; an earlier file at the path then keeps its bytes.
void exportTextFile(Editor& editor, DialogPurpose purpose, std::string_view proposedName,
                    const std::function<std::string()>& buildText);

} // namespace pst
