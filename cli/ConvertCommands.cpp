// Commands of the converters: the upgrade, the three generators, and the INI
// and TREX exchange files.

#include "cli/CommandGroups.h"
#include "convert/ArcoScript.h"
#include "convert/IniExport.h"
#include "convert/IniImport.h"
#include "convert/PtmHistoryScript.h"
#include "convert/ScriptUpgrade.h"
#include "convert/SelfScanFromE6.h"
#include "convert/TrexExport.h"

namespace pst::cli {

namespace {

// A converter handler as one command of the window's popup menu.
template <void (*Converter)(Editor&)>
void convert(Session& s)
{
    s.run([&s] { Converter(s.editor()); });
}

template <void (*Converter)(Editor&)>
void convertWithFile(Session& s, const std::string& file)
{
    s.runWithFile(file, [&s] { Converter(s.editor()); });
}

// The export reads the Ctrl key while it writes; here it is held throughout.
void exportTrexCtrl(Session& s, const std::string& file)
{
    s.host().setCtrlHeld(true);
    s.runWithFile(file, [&s] { miExporttoTRXClick(s.editor()); });
    s.host().setCtrlHeld(false);
}

constexpr CommandSpec kCommands[] = {
    {"--upgrade", "", "Upgrade Script", plain<convert<miUpgradeScriptClick>>, "Upgrade Script"},
    {"--arco", "", "Create ARCO Script (module dialogs answered by --module)", plain<convert<miCreateARCOScriptClick>>,
     "Create ARCO Script"},
    {"--from-e6", "", "Create Selfscan Script from E6 (module dialogs answered by --module)",
     plain<convert<miCreateSelfscanScriptfromE6Click>>, "Create Selfscan Script from E6"},
    {"--from-ptm", "", "Create Script from DVT PTM History (module 1100 answered by --module)",
     plain<convert<miCreateScriptfromDVTPTMHistoryClick>>, "Create Script from DVT PTM History"},
    {"--import-ini", "FILE", "Import from INI, with FILE chosen", withFile<convertWithFile<miImportfromINIClick>>,
     "Import from INI"},
    {"--export-ini", "FILE", "Export to INI, with FILE chosen", withFile<convertWithFile<miExporttoINIClick>>},
    {"--export-trex", "FILE", "Export to TRX, with FILE chosen", withFile<convertWithFile<miExporttoTRXClick>>},
    {"--export-trex-ctrl", "FILE", "Export to TRX with the Ctrl key held (\"====== Test\" titles)",
     withFile<exportTrexCtrl>},
};

} // namespace

std::span<const CommandSpec> convertCommands() { return kCommands; }

} // namespace pst::cli
