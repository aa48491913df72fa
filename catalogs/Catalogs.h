#pragma once
// The reference texts beside the program: ModDescr.ini (tests, host sequences,
// ARCO codes), Errors.ini (error texts) and SCRIPTS.INI (families of custom
// tests). A missing file, section or key is no error: the lookup gives its
// default. An edited file shows at the next lookup; an unchanged file is not
// read again (each file is cached and revalidated by size, modification time
// and inode at every lookup).

#include "catalogs/IniFile.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pst {

class FileSystem;

inline constexpr std::string_view kModDescrFile = "ModDescr.ini";
inline constexpr std::string_view kErrorsFile = "Errors.ini";
inline constexpr std::string_view kScriptsFile = "SCRIPTS.INI";

// Key of a test id in section "Desc": two digits up to 0xFF, four above (0A, DC, 0100).
std::string descKey(std::uint16_t testId);

// Lookups over one snapshot of a file, for callers that look up many ids in
// one go (the parse keeps one ModDescr.ini snapshot for the whole run).
std::string LookupDesc(const IniFile& modDescr, std::uint16_t testId);
std::string LookupHostSeq(const IniFile& modDescr, std::uint16_t testId);
// HOST_SEQ when bit 15 of the id is set, else Desc.
std::string StepDescription(const IniFile& modDescr, std::uint16_t testId);
std::string LookupArco(const IniFile& modDescr, std::uint8_t code);
// "ERROR " + four hex digits when Errors.ini has no text for the code.
std::string LookupErrorText(const IniFile& errors, std::uint16_t code);

class Catalogs {
public:
    Catalogs(FileSystem& fs, std::string folder);
    ~Catalogs();

    const std::string& folder() const { return m_folder; }
    void setFolder(std::string folder);
    // folder + "/" + name
    std::string path(std::string_view fileName) const;
    FileSystem& fileSystem() { return m_fs; }

    // Current snapshots; an empty IniFile when the file is missing or unreadable.
    std::shared_ptr<const IniFile> modDescr();
    std::shared_ptr<const IniFile> errors();
    std::shared_ptr<const IniFile> scripts();

    std::string LookupDesc(std::uint16_t testId);
    std::string LookupHostSeq(std::uint16_t testId);
    std::string StepDescription(std::uint16_t testId);
    std::string LookupArco(std::uint8_t code);
    std::string LookupErrorText(std::uint16_t code);
    std::vector<std::string> ListFamilies();
    std::vector<std::string> ListCustomTests(std::string_view family);

private:
    class Cache;
    FileSystem& m_fs;
    std::string m_folder;
    std::unique_ptr<Cache> m_cache;
};

} // namespace pst
