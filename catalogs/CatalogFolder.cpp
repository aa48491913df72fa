#include "catalogs/CatalogFolder.h"

#include "catalogs/Catalogs.h"
#include "model/FileSystem.h"

namespace pst {

namespace {
std::string join(const std::string& folder, std::string_view name)
{
    return folder + (folder.empty() || folder.back() == '/' ? "" : "/") + std::string(name);
}
} // namespace

std::string CatalogFolderFor(FileSystem& fs, const std::string& programFolder)
{
    for (std::string_view file : {kModDescrFile, kErrorsFile, kScriptsFile})
        if (fs.kind(join(programFolder, file)) == FileKind::Regular)
            return programFolder;
    const std::string installed = join(programFolder, kInstalledCatalogs);
    if (fs.kind(installed) == FileKind::Directory)
        return installed;
    return programFolder;
}

} // namespace pst
