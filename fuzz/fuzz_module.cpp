// Any byte sequence as a script module: parse gives rows or a clean error;
// what parses survives a write and a second parse unchanged, also through the
// editor's load, edit and save.

#include "FuzzSupport.h"

#include "catalogs/IniFile.h"
#include "model/Checksum.h"
#include "model/Error.h"
#include "model/ModuleImage.h"
#include "model/ScriptParser.h"
#include "model/ScriptWriter.h"

using namespace pst;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Bytes bytes(data, data + size);
    ModuleImage image(bytes);
    const IniFile none;
    ParsedScript first;
    try {
        first = parseScriptImage(image, none);
    } catch (const Error&) {
        return 0;
    }
    StepList list;
    list.reset(first.rows);
    list.select(first.rows.empty() ? StepList::kNone : 0);
    SerializeScript(image, list, first.recordSize);
    const ParsedScript second = parseScriptImage(image, none);
    fuzz::check(second.rows == first.rows, "parse(serialize(parse(x))) == parse(x)");
    fuzz::check(second.recordSize == first.recordSize, "record size kept");
    fuzz::check(second.layout == first.layout, "layout kept");

    // The same through the editor: load, insert, move, delete, save.
    test::MemoryFileSystem fs;
    fs.put("/in/file.rpm", bytes);
    fuzz::FuzzHost host;
    Editor editor(host, fs, "/cat");
    editor.setStepChecked(size % 2 == 0);
    editor.run([&] { editor.btReadClick(); });
    fuzz::check(editor.steps().size() == static_cast<int>(first.rows.size()), "load gives the parsed rows");
    editor.run([&] { editor.miInsertClick(); });
    editor.run([&] { editor.btUpClick(); });
    editor.run([&] { editor.btDownClick(); });
    editor.run([&] { editor.miDeleteClick(); });
    editor.run([&] { editor.btWriteClick(); });
    if (fs.has("/out/file")) {
        // What was saved reads back as exactly the rows on screen.
        const ModuleImage saved(fs.bytes("/out/file"));
        fuzz::check(saved.size() == bytes.size(), "save keeps the module size");
        fuzz::check(ChecksumValid(saved), "saved checksum valid");
        const ParsedScript reread = parseScriptImage(saved, none);
        fuzz::check(reread.rows == editor.steps().rows(), "saved rows read back");
        fuzz::check(reread.currentRow == editor.steps().selected(), "saved current step");
        fuzz::check(!editor.modified(), "saved script is not modified");
    }
    return 0;
}
