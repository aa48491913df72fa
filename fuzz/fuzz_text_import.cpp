// Any bytes as a dropped step text file: one step per step line, each with a
// whole record, or nothing.

#include "FuzzSupport.h"

#include "model/StepTextImport.h"

using namespace pst;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size >= 4 && data[0] == 'R' && data[1] == 'O' && data[2] == 'Y' && data[3] == 'L')
        return 0; // a module drop; fuzz_module covers those bytes
    test::MemoryFileSystem fs;
    fs.put("/drop/steps.txt", Bytes(data, data + size));
    fuzz::FuzzHost host;
    Editor editor(host, fs, "/cat");
    const bool ok = editor.run([&] { editor.WMDropFiles({"/drop/steps.txt"}); });
    fuzz::check(ok == (size >= 4), "only a file under 4 bytes fails");
    if (size >= 4) {
        int stepLines = 0;
        for (std::string_view line : splitTextLines(std::string_view(reinterpret_cast<const char*>(data), size)))
            stepLines += isSkippedStepLine(line) ? 0 : 1;
        fuzz::check(editor.steps().size() == stepLines, "one step per step line");
        fuzz::check(editor.recordSize() == 136, "the template gives the record size");
        for (const StepRow& row : editor.steps().rows())
            fuzz::check(row.record.size() == 136, "records keep their size");
    }
    return 0;
}
