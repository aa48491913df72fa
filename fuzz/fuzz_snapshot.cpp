// Any bytes as a recovery copy: refused or restored, never a crash; what
// decodes encodes back to the same bytes.

#include "FuzzSupport.h"

#include "model/EditorSnapshot.h"

using namespace pst;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto snap = decodeSnapshot(ByteView(data, size));
    if (!snap)
        return 0;
    const Bytes again = encodeSnapshot(*snap);
    fuzz::check(again == Bytes(data, data + size), "encode(decode(x)) == x");
    test::MemoryFileSystem fs;
    fuzz::FuzzHost host;
    Editor editor(host, fs, "/cat");
    editor.run([&] { editor.restore(*snap); });
    return 0;
}
