// Writes the seed corpora of the fuzz targets: make_seeds DIR writes
// DIR/<target>/seed_<n>. Every seed is built here from the module builders,
// so no binary of unknown origin enters the corpus.

#include "model/EditorSnapshot.h"
#include "model/ScriptParser.h"
#include "catalogs/IniFile.h"
#include "model/ModuleImage.h"
#include "support/GeneratorModules.h"
#include "support/ModuleBuilder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace pst;
using namespace std::string_literals;
using pst::test::ModuleBuilder;

namespace {

void write(const std::filesystem::path& dir, const std::string& target, const std::vector<Bytes>& seeds)
{
    std::filesystem::create_directories(dir / target);
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        std::ofstream out(dir / target / ("seed_" + std::to_string(i)), std::ios::binary);
        out.write(reinterpret_cast<const char*>(seeds[i].data()), static_cast<std::streamsize>(seeds[i].size()));
    }
}

Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()); }

// A generator seed: the byte that answers the dialogs (see GeneratorFuzz.h),
// then the module file.
Bytes answered(std::uint8_t answers, const Bytes& module)
{
    Bytes b{answers};
    b.insert(b.end(), module.begin(), module.end());
    return b;
}

std::vector<Bytes> moduleSeeds()
{
    std::vector<Bytes> seeds;
    for (ModuleLayout layout : {ModuleLayout::Royl, ModuleLayout::Legacy32, ModuleLayout::Legacy28}) {
        seeds.push_back(ModuleBuilder(layout).step(0xDC, 0).step(0x8001, 5).step(0xEEEE).capacity(4).build());
        seeds.push_back(ModuleBuilder(layout).capacity(1).build());
    }
    seeds.push_back(ModuleBuilder().headerRecordSize(106).step(0x10).capacity(2).build());
    return seeds;
}

// Two modules, the first one's length in front (fuzz_compare).
std::vector<Bytes> compareSeeds()
{
    const std::vector<Bytes> modules = moduleSeeds();
    std::vector<Bytes> seeds;
    for (std::size_t i = 0; i + 1 < modules.size(); ++i) {
        const Bytes& a = modules[i];
        Bytes b{static_cast<Byte>(a.size()), static_cast<Byte>(a.size() >> 8)};
        b.insert(b.end(), a.begin(), a.end());
        b.insert(b.end(), modules[i + 1].begin(), modules[i + 1].end());
        seeds.push_back(std::move(b));
    }
    // An edited script: one step moved, one inserted.
    const Bytes a = ModuleBuilder().step(0x10).step(0x11).step(0x12).build();
    Bytes edited{static_cast<Byte>(a.size()), static_cast<Byte>(a.size() >> 8)};
    edited.insert(edited.end(), a.begin(), a.end());
    const Bytes b = ModuleBuilder().step(0x11).step(0xDC).step(0x12).step(0x10).build();
    edited.insert(edited.end(), b.begin(), b.end());
    seeds.push_back(std::move(edited));
    return seeds;
}

std::vector<Bytes> iniSeeds()
{
    return {text("[Desc]\r\nDC=Delay\r\n0100=Long\r\n[HOST_SEQ]\r\n8001=Host\r\n[ARCO]\r\n5A=Code\r\n"),
            text("[ERRORS]\n0x001A=Bad sector\n; comment\n\n[Work]\nTest A=\nTest B=\n"),
            text("[PST Sequence]\r\n1 Delay                                  = DC,1,F,1,A,,,,,,,,,,,,,,\r\n")};
}

std::vector<Bytes> snapshotSeeds()
{
    std::vector<Bytes> seeds;
    for (const Bytes& module : moduleSeeds()) {
        EditorSnapshot snap;
        snap.image = module;
        try {
            ParsedScript p = parseScriptImage(ModuleImage(module), IniFile());
            snap.layout = p.layout;
            snap.recordSize = p.recordSize;
            snap.maxStepCount = p.maxStepCount;
            snap.rows = p.rows;
            snap.selected = p.rows.empty() ? -1 : 0;
        } catch (...) {
            continue;
        }
        snap.modIdText = "28";
        seeds.push_back(encodeSnapshot(snap));
    }
    return seeds;
}

std::vector<Bytes> e6Seeds()
{
    using pst::test::E6ModuleBuilder;
    using pst::test::e6Test;
    return {answered(0xFF, E6ModuleBuilder().test(e6Test(0x10, 0, {1, 2})).test(e6Test(0x8012)).tail(32).build()),
            answered(0x01, E6ModuleBuilder(ModuleLayout::Legacy28).test(e6Test(0x34D6)).tail(32).build()),
            answered(0x56, E6ModuleBuilder().count(0).build())};
}

std::vector<Bytes> ptmSeeds()
{
    using pst::test::ptmHistoryModule;
    return {answered(0x00, ptmHistoryModule(ModuleLayout::Royl, {{0x10, 1, {1, 2, 3, 4}}, {0x8010, 0, {0, 0, 0, 0}}})),
            answered(0x02, ptmHistoryModule(ModuleLayout::Legacy32, {{0x20, 2, {5, 6, 7, 8}}}))};
}

// Series A when the first question is answered yes (bit 2), series B else.
std::vector<Bytes> arcoSeeds()
{
    using pst::test::arcoModule;
    std::vector<Bytes> seeds;
    for (const Bytes& module : {arcoModule(ModuleLayout::Royl, 147, 0x5A), arcoModule(ModuleLayout::Legacy28, 141, 0x07),
                                pst::test::driveTypeModule(ModuleLayout::Royl, 120),
                                pst::test::module47(ModuleLayout::Royl, 0x1234)}) {
        seeds.push_back(answered(0x00, module));
        seeds.push_back(answered(0x05, module));
    }
    return seeds;
}

Bytes args(std::initializer_list<std::string> words)
{
    std::string joined;
    for (const std::string& w : words) {
        if (!joined.empty())
            joined += '\0';
        joined += w;
    }
    return text(joined);
}

std::vector<Bytes> pstoolSeeds()
{
    return {args({"--load", "m.rpm", "--select", "1", "--insert", "--poke", "48=FFFF", "--print"}),
            args({"--keep-going", "--load", "m.rpm", "--delete", "--up", "--down", "--set-end", "--check"}),
            args({"--mod-id", "3B", "--load", "m.rpm", "--clear-logs", "--save", "o.rpm", "--export-trex", "t"}),
            args({"--family", "", "--custom", "x", "--write-custom", "--upgrade", "--print"})};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds DIR\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    write(dir, "fuzz_module", moduleSeeds());
    write(dir, "fuzz_compare", compareSeeds());
    write(dir, "fuzz_ini", iniSeeds());
    write(dir, "fuzz_snapshot", snapshotSeeds());
    write(dir, "fuzz_e6", e6Seeds());
    write(dir, "fuzz_ptm", ptmSeeds());
    write(dir, "fuzz_arco", arcoSeeds());
    write(dir, "fuzz_text_import", {text("DC,1,F\r\n* remark\r\n\"10\" 2 3,,4,\n\n8001 1\0tail"s)});
    write(dir, "fuzz_ini_exchange", {iniSeeds()[2], text("[pst sequence]\nk=1,2,3,4,5,6,7,8,9,A,B,C,D,E,F,10,11,12,13,14,15\n")});
    write(dir, "fuzz_pstool_args", pstoolSeeds());
    return 0;
}
