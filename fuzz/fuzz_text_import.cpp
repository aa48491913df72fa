// Any bytes as a dropped step text file: steps with whole records, or nothing.

#include "FuzzSupport.h"

using namespace pst;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size >= 4 && data[0] == 'R' && data[1] == 'O' && data[2] == 'Y' && data[3] == 'L')
        return 0; // a module drop; fuzz_module covers those bytes
    test::MemoryFileSystem fs;
    fs.put("/drop/steps.txt", Bytes(data, data + size));
    fuzz::FuzzHost host;
    Editor editor(host, fs, "/cat");
    editor.run([&] { editor.WMDropFiles({"/drop/steps.txt"}); });
    if (size >= 4) {
        fuzz::check(editor.recordSize() == 136, "the template gives the record size");
        for (const StepRow& row : editor.steps().rows()) {
            fuzz::check(row.record.size() == 136, "records keep their size");
            fuzz::check(row.record.u16(0x68) == 0xFFFF, "fields never reach the log area");
        }
    }
    return 0;
}
