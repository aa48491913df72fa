// Any command line: a usage error, or a run over an in-memory file system
// that ends with one of the documented exit statuses.

#include "FuzzSupport.h"

#include "cli/Pstool.h"
#include "support/ModuleBuilder.h"

#include <sstream>

using namespace pst;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Arguments are the NUL-separated pieces of the input.
    std::vector<std::string> args;
    std::string current;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    args.push_back(current);
    if (args.size() > 64)
        return 0;

    test::MemoryFileSystem fs;
    fs.put("m.rpm", test::ModuleBuilder().step(0x10).step(0x11).capacity(4).build());
    std::ostringstream out, err;
    const int status = cli::pstoolMain(args, out, err, fs, "/cat");
    fuzz::check(status == 0 || status == 1 || status == 2 || status == 3, "documented exit status");
    if (status == 2)
        fuzz::check(err.str().rfind("pstool: usage: ", 0) == 0, "usage errors say so");
    return 0;
}
