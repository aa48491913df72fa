// Any bytes as an INI exchange file: one step per key within the name block,
// records of their size, links and log as the insert left them.

#include "FuzzSupport.h"

#include "convert/IniImport.h"
#include "support/ModuleBuilder.h"

using namespace pst;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    test::MemoryFileSystem fs;
    fs.put("/in/file.rpm", test::ModuleBuilder().step(0x10).capacity(4).build());
    fuzz::FuzzHost host;
    Editor editor(host, fs, "/cat");
    editor.run([&] { editor.btReadClick(); });
    fs.put("/in/file.rpm", Bytes(data, data + size));
    editor.run([&] { miImportfromINIClick(editor); });
    for (int i = 0; i < editor.steps().size(); ++i) {
        const StepRecord& r = editor.steps().row(i).record;
        fuzz::check(r.size() == 136, "records keep their size");
        fuzz::check(r.u16(0x68) == 0xFFFF || i == 0, "imports never reach the log area");
    }
    return 0;
}
