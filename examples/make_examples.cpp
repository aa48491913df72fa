// make_examples: writes the sample module files into a folder, the same bytes
// on every run.

#include "examples/SampleFiles.h"
#include "model/FileSystem.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

namespace {

constexpr std::string_view kUsage =
    "Usage: make_examples FOLDER\n"
    "Writes the sample script modules (ROYL, legacy-32, legacy-28) and the modules\n"
    "the generators read (E6, 1100, 47, 21, 2403, 2000..20C0) into FOLDER,\n"
    "creating it when missing. Existing files of the same names are replaced.\n";

int writeSamples(const std::string& folder)
{
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        std::cerr << "make_examples: error: cannot create folder \"" << folder << "\": " << ec.message() << '\n';
        return 1;
    }
    for (const pst::examples::SampleFile& file : pst::examples::sampleFiles()) {
        const std::string path = (std::filesystem::path(folder) / file.name).string();
        if (const auto error = pst::realFileSystem().writeFileAtomic(path, file.bytes)) {
            std::cerr << "make_examples: error: cannot write \"" << path << "\": " << *error << '\n';
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string arg = argc == 2 ? argv[1] : "";
    if (arg == "--help" || arg == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (argc != 2 || arg.empty() || arg.front() == '-') {
        std::cerr << kUsage;
        return 2;
    }
    return writeSamples(arg);
}
