#pragma once
// Helpers for the fuzz targets: an editor over an in-memory file system whose
// every dialog is answered with the fuzzed file.

#include "model/Editor.h"
#include "support/MemoryFileSystem.h"
#include "support/ScriptedHost.h"

#include <cstdint>
#include <cstdlib>
#include <cstdio>

namespace pst::fuzz {

// A host that answers every open dialog and question with the one input file.
class FuzzHost : public test::ScriptedHost {
public:
    std::optional<std::string> openDialog(const DialogRequest&) override { return std::string("/in/file.rpm"); }
    std::optional<std::string> saveDialog(const DialogRequest&) override { return std::string("/out/file"); }
};

inline void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

} // namespace pst::fuzz
