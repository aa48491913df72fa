#pragma once
// An editor over an in-memory file system and a scripted host, with helpers
// to load a module and read the rows' links.

#include "model/Editor.h"
#include "support/MemoryFileSystem.h"
#include "support/ModuleBuilder.h"
#include "support/ScriptedHost.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace pst::test {

using Links = std::array<std::uint16_t, 3>;

class EditorFixture : public ::testing::Test {
protected:
    EditorFixture() : editor(host, fs, "/cat") {}

    // Loads the image through the Load command, as the user would.
    void load(const Bytes& image, const std::string& path = "/mod/script.rpm")
    {
        fs.put(path, image);
        host.openAnswers.push_back(path);
        ASSERT_TRUE(editor.run([&] { editor.btReadClick(); }));
    }

    // A script of n steps with test ids 0x10, 0x11, ... and the given links.
    void loadSteps(const std::vector<Links>& links, ModuleLayout layout = ModuleLayout::Royl)
    {
        ModuleBuilder b(layout);
        for (std::size_t i = 0; i < links.size(); ++i) {
            StepRecord r = b.record(static_cast<std::uint16_t>(0x10 + i));
            for (int l = 0; l < 3; ++l)
                r.setLink(l, links[i][static_cast<std::size_t>(l)]);
            b.step(r);
        }
        load(b.build());
    }

    std::vector<Links> links() const
    {
        std::vector<Links> out;
        for (const StepRow& row : editor.steps().rows())
            out.push_back({row.record.link(0), row.record.link(1), row.record.link(2)});
        return out;
    }

    bool run(void (Editor::*command)()) { return editor.run([&] { (editor.*command)(); }); }

    MemoryFileSystem fs;
    ScriptedHost host;
    Editor editor;
};

} // namespace pst::test
