#pragma once
// An editor fixture for the converters: a description catalog in place and
// scripts loaded from records built field by field.

#include "support/EditorFixture.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace pst::test {

// The fields a converter test cares about; everything else stays zero
// (ERROR_CODE no result, as the builder sets it).
struct StepFields {
    std::uint16_t testId = 0;
    std::uint16_t testArg = 0;
    std::vector<std::uint32_t> params = {}; // P1, P2, ...
    std::uint32_t postAction = 0;
};

class ConvertFixture : public EditorFixture {
protected:
    static constexpr const char* kModDescr = "/cat/ModDescr.ini";

    void SetUp() override
    {
        fs.put(kModDescr, std::string_view("[Desc]\nDC=Closing step\nD1=Format\nD8=Zone check\n3421=Servo test\n"
                                           "05=Read \"head\" \\ map\nB9=Scan B9\nC4=New C4\n"
                                           "[HOST_SEQ]\n8199=Host seq 8199\n81FA=Host seq 81FA\n"));
    }

    StepRecord record(const ModuleBuilder& b, const StepFields& f) const
    {
        StepRecord r = b.record(f.testId);
        r.setTestArg(f.testArg);
        for (std::size_t k = 0; k < f.params.size(); ++k)
            r.setParam(static_cast<int>(k) + 1, f.params[k]);
        r.setPostAction(f.postAction);
        return r;
    }

    void loadFields(const std::vector<StepFields>& steps, ModuleLayout layout = ModuleLayout::Royl)
    {
        ModuleBuilder b(layout);
        for (const StepFields& f : steps)
            b.step(record(b, f));
        load(b.build());
    }

    void loadIds(std::initializer_list<std::uint16_t> ids, ModuleLayout layout = ModuleLayout::Royl)
    {
        std::vector<StepFields> steps;
        for (std::uint16_t id : ids)
            steps.push_back({id});
        loadFields(steps, layout);
    }

    std::vector<std::uint16_t> ids() const
    {
        std::vector<std::uint16_t> out;
        for (const StepRow& row : editor.steps().rows())
            out.push_back(row.record.testId());
        return out;
    }
};

// Lines joined, each ended with CR LF.
inline std::string crlfLines(std::initializer_list<std::string_view> lines)
{
    std::string out;
    for (std::string_view line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

} // namespace pst::test
