// Any bytes as the module(s) the generator reads: steps or a clean error.

#include "GeneratorFuzz.h"

#include "convert/ArcoScript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pst::fuzz::runGenerator(data, size, [](pst::Editor& editor) { pst::miCreateARCOScriptClick(editor); });
    return 0;
}
