// "Compare with..." of the step list's popup menu.

#include "compare/ScriptToCompare.h"
#include "ui/compare/CompareWindow.h"
#include "ui/window/MainWindow.h"

// The module is read as one command, so that its errors show as a Load's do;
// a cancelled dialog or an empty file opens nothing.
void TfmScript::compareWith()
{
    std::optional<pst::ChosenScript> other;
    if (!runCommand([this, &other] { other = pst::chooseScriptToCompare(editor()); }) || !other)
        return;
    if (m_compare)
        m_compare->close();
    m_compare = new CompareWindow(m_session, std::move(*other), this);
    m_compare->show();
}

CompareWindow* TfmScript::compareWindow() const { return m_compare; }
