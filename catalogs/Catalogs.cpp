#include "catalogs/Catalogs.h"

#include "model/FileSystem.h"
#include "model/Hex.h"

#include <map>

namespace pst {

std::string descKey(std::uint16_t testId)
{
    return hexUpper(testId, testId <= 0xFF ? 2 : 4);
}

std::string LookupDesc(const IniFile& modDescr, std::uint16_t testId)
{
    return modDescr.value("Desc", descKey(testId), "");
}

std::string LookupHostSeq(const IniFile& modDescr, std::uint16_t testId)
{
    return modDescr.value("HOST_SEQ", hexUpper(testId, 4), "");
}

std::string StepDescription(const IniFile& modDescr, std::uint16_t testId)
{
    return (testId & 0x8000) ? LookupHostSeq(modDescr, testId) : LookupDesc(modDescr, testId);
}

std::string LookupArco(const IniFile& modDescr, std::uint8_t code)
{
    return modDescr.value("ARCO", hexUpper(code, 2), "");
}

std::string LookupErrorText(const IniFile& errors, std::uint16_t code)
{
    return errors.value("ERRORS", "0x" + hexUpper(code, 4), "ERROR " + hexUpper(code, 4));
}

// One parsed snapshot per file, kept while the file's stamp stays the same.
class Catalogs::Cache {
public:
    std::shared_ptr<const IniFile> get(FileSystem& fs, const std::string& path)
    {
        const auto stamp = fs.stamp(path);
        if (!stamp) {
            m_entries.erase(path);
            return empty();
        }
        Entry& e = m_entries[path];
        if (e.ini && e.stamp == *stamp)
            return e.ini;
        ReadResult r = fs.readFile(path, kMaxCatalogFileSize);
        if (!r.ok) {
            // Not remembered: a file that cannot be read now (its permissions
            // are being fixed, it is being replaced) is tried again next time.
            m_entries.erase(path);
            return empty();
        }
        e.stamp = *stamp;
        e.ini = std::make_shared<const IniFile>(IniFile::parse(ByteView(r.bytes)));
        return e.ini;
    }

private:
    static std::shared_ptr<const IniFile> empty()
    {
        static const auto kEmpty = std::make_shared<const IniFile>();
        return kEmpty;
    }
    struct Entry {
        FileStamp stamp;
        std::shared_ptr<const IniFile> ini;
    };
    std::map<std::string, Entry> m_entries;
};

Catalogs::Catalogs(FileSystem& fs, std::string folder)
    : m_fs(fs), m_folder(std::move(folder)), m_cache(std::make_unique<Cache>())
{
}

Catalogs::~Catalogs() = default;

void Catalogs::setFolder(std::string folder)
{
    m_folder = std::move(folder);
}

std::string Catalogs::path(std::string_view fileName) const
{
    if (m_folder.empty())
        return std::string(fileName);
    if (m_folder.back() == '/')
        return m_folder + std::string(fileName);
    return m_folder + "/" + std::string(fileName);
}

std::shared_ptr<const IniFile> Catalogs::modDescr() { return m_cache->get(m_fs, path(kModDescrFile)); }
std::shared_ptr<const IniFile> Catalogs::errors() { return m_cache->get(m_fs, path(kErrorsFile)); }
std::shared_ptr<const IniFile> Catalogs::scripts() { return m_cache->get(m_fs, path(kScriptsFile)); }

std::string Catalogs::LookupDesc(std::uint16_t testId) { return pst::LookupDesc(*modDescr(), testId); }
std::string Catalogs::LookupHostSeq(std::uint16_t testId) { return pst::LookupHostSeq(*modDescr(), testId); }
std::string Catalogs::StepDescription(std::uint16_t testId) { return pst::StepDescription(*modDescr(), testId); }
std::string Catalogs::LookupArco(std::uint8_t code) { return pst::LookupArco(*modDescr(), code); }
std::string Catalogs::LookupErrorText(std::uint16_t code) { return pst::LookupErrorText(*errors(), code); }
std::vector<std::string> Catalogs::ListFamilies() { return scripts()->sections(); }
std::vector<std::string> Catalogs::ListCustomTests(std::string_view family) { return scripts()->keys(family); }

} // namespace pst
