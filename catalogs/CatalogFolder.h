#pragma once
// Where a program finds ModDescr.ini, Errors.ini and SCRIPTS.INI.

#include <string>
#include <string_view>

namespace pst {

class FileSystem;

// The catalogs folder that an installation puts beside the programs' folder.
inline constexpr std::string_view kInstalledCatalogs = "../share/pstedit/catalogs";

// The program's own folder when it holds any of the three files (the usual
// place); otherwise the installed catalogs folder, when it exists; otherwise
// the program's own folder still.
std::string CatalogFolderFor(FileSystem& fs, const std::string& programFolder);

} // namespace pst
