// One short slot per command of the window: each runs the editor's handler
// of the same name.

#include "convert/ArcoScript.h"
#include "convert/IniExport.h"
#include "convert/IniImport.h"
#include "convert/PtmHistoryScript.h"
#include "convert/ScriptUpgrade.h"
#include "convert/SelfScanFromE6.h"
#include "convert/TrexExport.h"
#include "ui/DisplayText.h"
#include "ui/HexView.h"
#include "ui/MainWindow.h"

using pst::Editor;

void TfmScript::btReadClick() { runEditor(&Editor::btReadClick); }
void TfmScript::btWriteClick() { runEditor(&Editor::btWriteClick); }
void TfmScript::btDownClick() { runEditor(&Editor::btDownClick); }
void TfmScript::btUpClick() { runEditor(&Editor::btUpClick); }
void TfmScript::btWriteToIniClick() { runEditor(&Editor::btWriteToIniClick); }

void TfmScript::miCreateARCOScriptClick() { runConverter(pst::miCreateARCOScriptClick); }
void TfmScript::miCreateSelfscanScriptfromE6Click() { runConverter(pst::miCreateSelfscanScriptfromE6Click); }
void TfmScript::miCreateScriptfromDVTPTMHistoryClick() { runConverter(pst::miCreateScriptfromDVTPTMHistoryClick); }
void TfmScript::miUpgradeScriptClick() { runConverter(pst::miUpgradeScriptClick); }
void TfmScript::miClearCurrentStepClick() { runEditor(&Editor::miClearCurrentStepClick); }
void TfmScript::miClearScriptClick() { runEditor(&Editor::miClearScriptClick); }
void TfmScript::miSetGoodSteptoStepByStepClick() { runEditor(&Editor::miSetGoodSteptoStepByStepClick); }
void TfmScript::miSetErorSteptoEndClick() { runEditor(&Editor::miSetErorSteptoEndClick); }
void TfmScript::miSetErorSteptoStopClick() { runEditor(&Editor::miSetErorSteptoStopClick); }
void TfmScript::miInsertClick() { runEditor(&Editor::miInsertClick); }
void TfmScript::miDeleteClick() { runEditor(&Editor::miDeleteClick); }
void TfmScript::miClearAllClick() { runEditor(&Editor::miClearAllClick); }
void TfmScript::miImportfromINIClick() { runConverter(pst::miImportfromINIClick); }
void TfmScript::miExporttoINIClick() { runConverter(pst::miExporttoINIClick); }
void TfmScript::miExporttoTRXClick() { runConverter(pst::miExporttoTRXClick); }

void TfmScript::Copy1Click() { m_heScript->copy(); }
void TfmScript::Past1Click() { m_heScript->paste(); }

void TfmScript::loadFile(const QString& path)
{
    host().answerNextLoad(pathFromDisplay(path));
    btReadClick();
    host().clearNextLoad();
}

void TfmScript::WMDropFiles(const std::vector<std::string>& paths)
{
    runCommand([this, &paths] { editor().WMDropFiles(paths); });
}
