#include "examples/SampleFiles.h"

#include "examples/SampleScript.h"
#include "examples/SampleSources.h"
#include "model/Hex.h"

namespace pst::examples {

namespace {
std::string moduleName(std::uint16_t moduleId) { return "module-" + hex2(moduleId) + ".rpm"; }
} // namespace

std::vector<SampleFile> sampleFiles()
{
    std::vector<SampleFile> files = {
        {"script-royl-28.rpm", sampleScriptModule(ModuleLayout::Royl)},
        {"script-legacy32-28.rpm", sampleScriptModule(ModuleLayout::Legacy32)},
        {"script-legacy28-28.rpm", sampleScriptModule(ModuleLayout::Legacy28)},
        {moduleName(0xE6), sampleE6Module()},
        {moduleName(0x1100), samplePtmHistoryModule()},
        {moduleName(0x47), sampleModule47()},
        {moduleName(0x21), sampleDriveTypeModule()},
        {moduleName(0x2403), sampleSeriesAModule()},
    };
    for (const ArcoSample& arco : arcoSamples())
        files.push_back({moduleName(arco.moduleId), sampleArcoModule(arco)});
    return files;
}

} // namespace pst::examples
