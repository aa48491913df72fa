#pragma once
// Runs one generator over a loaded script module of a few steps. The first
// input byte answers the dialogs: bits 0-1 pick the selected row (none, 1, 2
// or 3), and the k-th yes-or-no question is answered yes when bit 2 + k % 6
// is set. Every module dialog reads the rest of the input as the module file.

#include "FuzzSupport.h"

#include "support/ModuleBuilder.h"

#include <functional>

namespace pst::fuzz {

class GeneratorHost : public FuzzHost {
public:
    explicit GeneratorHost(std::uint8_t answers) : m_answers(answers) {}
    std::optional<std::string> openDialog(const DialogRequest& request) override
    {
        if (request.purpose != DialogPurpose::ConfirmModule)
            return FuzzHost::openDialog(request);
        const bool yes = (m_answers >> (2 + m_questions++ % 6)) & 1;
        return yes ? std::optional<std::string>("/in/never-read.rpm") : std::nullopt;
    }

private:
    std::uint8_t m_answers;
    int m_questions = 0;
};

inline void runGenerator(const std::uint8_t* data, std::size_t size, const std::function<void(Editor&)>& generator)
{
    const std::uint8_t answers = size > 0 ? data[0] : 0;
    const Bytes module = size > 0 ? Bytes(data + 1, data + size) : Bytes{};
    test::MemoryFileSystem fs;
    fs.put("/in/file.rpm", test::ModuleBuilder().step(0x10).step(0x11).step(0x12).capacity(8).build());
    GeneratorHost host(answers);
    Editor editor(host, fs, "/cat");
    editor.run([&] { editor.btReadClick(); });
    check(editor.steps().size() == 3, "script module loaded");
    const std::uint16_t recordSize = editor.recordSize();
    const ModuleLayout layout = editor.layout();
    const Bytes image = editor.image().data();
    fs.put("/in/file.rpm", module);
    editor.selectRow((answers & 3) - 1);
    editor.run([&] { generator(editor); });
    // Whatever the input did, every row still holds a whole record, and the
    // script module itself is untouched.
    for (const StepRow& row : editor.steps().rows())
        check(row.record.size() == recordSize, "records keep their size");
    check(editor.recordSize() == recordSize && editor.layout() == layout, "record size and layout kept");
    check(editor.image().data() == image, "script module image kept");
}

} // namespace pst::fuzz
