#include "ui/StepIcons.h"

#include "ui/Resources.h"
#include "ui/SvgIcon.h"

StepIcons::StepIcons()
{
    static const char* const kNames[kCount] = {"unknown", "passed", "failed", "empty", "up", "down"};
    initResources();
    for (int i = 0; i < kCount; ++i)
        m_icons[static_cast<std::size_t>(i)] = svgIcon(QStringLiteral(":/icons/step-%1.svg").arg(QLatin1String(kNames[i])));
}

const QIcon& StepIcons::icon(int index) const
{
    if (index < 0 || index >= kCount)
        index = static_cast<int>(pst::StepIcon::NoResult);
    return m_icons[static_cast<std::size_t>(index)];
}
