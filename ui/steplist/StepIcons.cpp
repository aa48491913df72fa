#include "ui/steplist/StepIcons.h"

#include "ui/common/Resources.h"
#include "ui/common/SvgIcon.h"

const QIcon& StepIcons::icon(int index) const
{
    static const char* const kNames[kCount] = {"unknown", "passed", "failed", "empty", "up", "down"};
    if (index < 0 || index >= kCount)
        index = static_cast<int>(pst::StepIcon::NoResult);
    std::optional<QIcon>& icon = m_icons[static_cast<std::size_t>(index)];
    if (!icon) {
        initResources();
        icon = svgIcon(QStringLiteral(":/icons/step-%1.svg").arg(QLatin1String(kNames[index])));
    }
    return *icon;
}
