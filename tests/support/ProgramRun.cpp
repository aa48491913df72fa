#include "support/ProgramRun.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace pst::test {

namespace fsys = std::filesystem;

TempFolder::TempFolder()
{
    // A new folder of a random name: creating it fails when it exists.
    static std::mt19937_64 random{std::random_device{}()};
    const fsys::path base = fsys::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fsys::path folder = base / ("pstool-test-" + std::to_string(random()));
        std::error_code ec;
        if (fsys::create_directory(folder, ec)) {
            m_path = folder.string();
            return;
        }
    }
    throw std::runtime_error("no temporary folder could be made in " + base.string());
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    fsys::remove_all(m_path, ec);
}

void TempFolder::write(const std::string& name, const std::string& bytes) const
{
    std::ofstream(file(name), std::ios::binary) << bytes;
}

std::string TempFolder::read(const std::string& name) const
{
    std::ifstream in(file(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool TempFolder::exists(const std::string& name) const
{
    return fsys::exists(file(name));
}

} // namespace pst::test
