#pragma once
// An editor with a script module loaded and a ModDescr.ini, for the tests of
// the generators: module files are offered to the module dialogs by id.

#include "support/EditorFixture.h"
#include "support/GeneratorModules.h"

#include "model/Hex.h"

#include <string>
#include <vector>

namespace pst::test {

class GeneratorFixture : public EditorFixture {
protected:
    GeneratorFixture()
    {
        fs.put("/cat/ModDescr.ini", std::string_view(
            "[Desc]\nDC=Delay\nB1=Power\nB9=Report\nD8=Seek\n07=Seven\n3307=Format\n"
            "8010=Desc of 8010\n34D6=Scan\n"
            "[HOST_SEQ]\n8010=Host 8010\n8012=Host 8012\n"
            "[ARCO]\n6F=Read ARCO\n5A=Write ARCO\n"));
    }

    // Answers the dialogs of module `id` with a file of these bytes.
    void offer(std::uint16_t id, const Bytes& bytes)
    {
        const std::string path = "/mod/id" + hex2(id) + ".rpm";
        fs.put(path, bytes);
        host.moduleFiles[id] = path;
    }
    // Answers the question of module `id` with a file that need not exist.
    void confirm(std::uint16_t id) { host.moduleFiles[id] = "/mod/never-read.rpm"; }

    // A loaded script of n steps, ids 0x10, 0x11, ..., all links 0, each with
    // a logged pass (ERROR_CODE 0) so that a log clearing shows.
    void loadScript(int n, ModuleLayout layout = ModuleLayout::Royl)
    {
        ModuleBuilder b(layout);
        for (int i = 0; i < n; ++i)
            b.step(static_cast<std::uint16_t>(0x10 + i), 0);
        load(b.build());
    }

    std::vector<std::string> captions() const
    {
        std::vector<std::string> out;
        for (const StepRow& row : editor.steps().rows())
            out.push_back(row.caption);
        return out;
    }

    const StepRecord& record(int row) const { return editor.steps().row(row).record; }
    int selected() const { return editor.steps().selected(); }

    // The filter of every dialog shown, in order.
    std::vector<std::string> shownFilters() const
    {
        std::vector<std::string> out;
        for (const ShownDialog& d : host.dialogs)
            out.push_back(d.filter);
        return out;
    }

    bool runCommand(void (*command)(Editor&)) { return editor.run([&] { command(editor); }); }
};

// The links that "Set Eror Step to END" gives row i of n.
inline Links endRuleLinks(int i, int n)
{
    if (i < n - 3)
        return {static_cast<std::uint16_t>(i + 2), static_cast<std::uint16_t>(n - 1), static_cast<std::uint16_t>(n)};
    return {0xFFFF, 0xFFFF, 0xFFFF};
}

} // namespace pst::test
