// The window's use of the catalogs: the hint and the custom test boxes.

#include "catalogs/CustomTests.h"
#include "model/Editor.h"

namespace pst {

void Editor::FormShow()
{
    m_familyList = m_catalogs.ListFamilies();
    m_host.familyListChanged(m_familyList);
    if (!m_familyList.empty()) {
        m_familyText = m_familyList.front();
        m_host.familyTextChanged(m_familyText);
    }
    m_customList = m_catalogs.ListCustomTests(m_familyText);
    m_host.customListChanged(m_customList);
}

void Editor::setFamilyText(std::string text)
{
    m_familyText = std::move(text);
    cbFamilyChange();
}

void Editor::cbFamilyChange()
{
    FamilyChange change = pst::cbFamilyChange(m_catalogs, m_familyText);
    if (change.message)
        m_host.showMessage(*change.message);
    if (change.customTests) {
        m_customList = std::move(*change.customTests);
        m_host.customListChanged(m_customList);
    }
}

void Editor::btWriteToIniClick()
{
    CustomTestWrite result = pst::btWriteToIniClick(m_catalogs, m_familyText, m_customText);
    if (result.message)
        m_host.showMessage(*result.message);
    if (result.families) {
        m_familyList = std::move(*result.families);
        m_host.familyListChanged(m_familyList);
    }
    if (result.customTests) {
        m_customList = std::move(*result.customTests);
        m_host.customListChanged(m_customList);
    }
}

} // namespace pst
