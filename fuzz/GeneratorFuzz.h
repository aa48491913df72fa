#pragma once
// Runs one generator with every module dialog and question answered by the
// fuzzed file, over a loaded script module of a few steps.

#include "FuzzSupport.h"

#include "support/ModuleBuilder.h"

#include <functional>

namespace pst::fuzz {

inline void runGenerator(const std::uint8_t* data, std::size_t size, const std::function<void(Editor&)>& generator)
{
    test::MemoryFileSystem fs;
    fs.put("/in/file.rpm", test::ModuleBuilder().step(0x10).step(0x11).step(0x12).capacity(8).build());
    FuzzHost host;
    Editor editor(host, fs, "/cat");
    editor.run([&] { editor.btReadClick(); });
    check(editor.steps().size() == 3, "script module loaded");
    fs.put("/in/file.rpm", Bytes(data, data + size));
    editor.selectRow(static_cast<int>(size % 4) - 1);
    editor.run([&] { generator(editor); });
    // Whatever the input did, every row still holds a whole record.
    for (const StepRow& row : editor.steps().rows())
        check(row.record.size() == editor.recordSize(), "records keep their size");
}

} // namespace pst::fuzz
