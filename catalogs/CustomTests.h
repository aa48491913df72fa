#pragma once
// The custom test families of SCRIPTS.INI as the two combo boxes use them:
// the handlers of the family box and of the button "Write to INI current
// Test", as operations over the two texts that return the new lists or the
// message to show.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pst {

class Catalogs;

struct FamilyChange {
    // "Need Enter Name" when the family text is blank; the lists then stay.
    std::optional<std::string> message;
    // The new list of the custom test box (its text does not change).
    std::optional<std::vector<std::string>> customTests;
};

// cbFamilyChange: runs on every change of the family box's text.
FamilyChange cbFamilyChange(Catalogs& catalogs, std::string_view familyText);

struct CustomTestWrite {
    std::optional<std::string> message;
    // Refilled lists after a write; the texts of both boxes do not change.
    std::optional<std::vector<std::string>> families;
    std::optional<std::vector<std::string>> customTests;
};

// btWriteToIniClick: writes the custom test name as a key with an empty value
// into the family's section of SCRIPTS.INI. Throws Error("Unable to write to
// <path>") when the file cannot be written; nothing is refilled then.
CustomTestWrite btWriteToIniClick(Catalogs& catalogs, std::string_view familyText, std::string_view customText);

} // namespace pst
