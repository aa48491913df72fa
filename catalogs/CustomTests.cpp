#include "catalogs/CustomTests.h"

#include "catalogs/Catalogs.h"
#include "catalogs/IniText.h"
#include "catalogs/IniWriter.h"
#include "model/Messages.h"

namespace pst {

FamilyChange cbFamilyChange(Catalogs& catalogs, std::string_view familyText)
{
    FamilyChange out;
    if (trimBlanks(familyText).empty()) {
        out.message = std::string(msg::kNeedEnterName);
        return out;
    }
    out.customTests = catalogs.ListCustomTests(familyText);
    return out;
}

CustomTestWrite btWriteToIniClick(Catalogs& catalogs, std::string_view familyText, std::string_view customText)
{
    CustomTestWrite out;
    if (trimBlanks(customText).empty() || trimBlanks(familyText).empty()) {
        out.message = std::string(msg::kNeedEnterName);
        return out;
    }
    WriteIniValue(catalogs.fileSystem(), catalogs.path(kScriptsFile), familyText, customText, "");
    out.families = catalogs.ListFamilies();
    out.customTests = catalogs.ListCustomTests(familyText);
    return out;
}

} // namespace pst
