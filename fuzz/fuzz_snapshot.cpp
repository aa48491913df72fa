// Any bytes as a recovery copy: refused or restored, never a crash; what
// decodes encodes back to the same bytes. Each input is tried as it is and
// resealed, so that mutations reach the fields behind the seal.

#include "FuzzSupport.h"

#include "model/EditorSnapshot.h"
#include "support/SnapshotSeal.h"

using namespace pst;

namespace {

void tryCopy(const Bytes& bytes)
{
    const auto snap = decodeSnapshot(bytes);
    if (!snap)
        return;
    fuzz::check(encodeSnapshot(*snap) == bytes, "encode(decode(x)) == x");
    test::MemoryFileSystem fs;
    fuzz::FuzzHost host;
    Editor editor(host, fs, "/cat");
    editor.run([&] { editor.restore(*snap); });
    EditorSnapshot restored = editor.snapshot();
    restored.savedAtSeconds = snap->savedAtSeconds; // when it was taken is not editor state
    fuzz::check(restored == *snap, "restore takes the copy whole");
    // A restored script can be edited and saved like a loaded one.
    editor.run([&] { editor.miInsertClick(); });
    editor.run([&] { editor.miDeleteClick(); });
    editor.run([&] { editor.btWriteClick(); });
    if (fs.has("/out/file"))
        fuzz::check(fs.bytes("/out/file").size() == snap->image.size(), "save keeps the module size");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Bytes bytes(data, data + size);
    tryCopy(bytes);
    tryCopy(test::resealed(bytes));
    return 0;
}
