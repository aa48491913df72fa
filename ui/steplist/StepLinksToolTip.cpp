#include "ui/steplist/StepLinksToolTip.h"

#include "model/LinkTarget.h"
#include "model/ScriptCheck.h"
#include "model/StepList.h"
#include "ui/common/DisplayText.h"

#include <QtCore/QStringList>

#include <array>

QString stepLinksToolTip(const pst::StepList& steps, int row)
{
    static constexpr std::array<const char*, 3> kNames = {"GOTO_ON_SUCCES", "GOTO_ON_ERR", "GOTO_ON_ABRT"};
    if (!steps.valid(row) || steps.row(row).record.empty())
        return {};
    const pst::StepRecord& record = steps.row(row).record;
    QStringList lines;
    // A link outside the script first, as the link check words it.
    for (const std::string& finding : pst::rowLinkFindings(steps, row))
        lines << QStringLiteral("Warning: ") + toDisplay(finding);
    for (int l = 0; l < 3; ++l)
        lines << QLatin1String(kNames[static_cast<std::size_t>(l)]) + QStringLiteral(" → ")
                + toDisplay(pst::linkTargetText(record.link(l), steps));
    return lines.join(u'\n');
}
