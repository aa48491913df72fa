#include "ui/inspector/FieldInspectorToggle.h"

#include "ui/common/DisplayText.h"
#include "ui/common/StoredSetting.h"
#include "ui/common/SvgIcon.h"
#include "ui/inspector/FieldInspector.h"

#include <QtCore/QSettings>
#include <QtGui/QAction>
#include <QtGui/QScreen>
#include <QtWidgets/QLayout>
#include <QtWidgets/QSplitter>

#include <algorithm>

FieldInspectorToggle::FieldInspectorToggle(QWidget& window, QSplitter& splitter, InspectorFactory build,
                                           SettingsFactory settings)
    : QObject(&window), m_window(window), m_splitter(splitter), m_build(std::move(build)), m_settings(std::move(settings))
{
    m_action = new QAction(svgIcon(QStringLiteral(":/glyphs/fields.svg")), QStringLiteral("Step Fields"), this);
    m_action->setObjectName(QStringLiteral("actFields"));
    m_action->setCheckable(true);
    m_action->setShortcut(QKeySequence(Qt::Key_F2));
    m_action->setShortcutContext(Qt::WindowShortcut);
    m_action->setToolTip(QStringLiteral("Show or hide the step's fields (F2)"));
    m_window.addAction(m_action);
    connect(m_action, &QAction::toggled, this, &FieldInspectorToggle::setShown);
}

FieldInspector& FieldInspectorToggle::inspector()
{
    if (!m_inspector) {
        m_inspector = m_build();
        m_inspector->setMinimumWidth(kMinimumWidth);
        m_inspector->hide();
        m_splitter.addWidget(m_inspector);
        m_splitter.setStretchFactor(m_splitter.indexOf(m_inspector), 0);
    }
    return *m_inspector;
}

bool FieldInspectorToggle::isShown() const { return m_inspector && !m_inspector->isHidden(); }

int FieldInspectorToggle::inspectorWidth() const { return isShown() ? m_inspector->width() : m_width; }

bool FieldInspectorToggle::windowSized() const
{
    return !(m_window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
}

void FieldInspectorToggle::setShown(bool shown)
{
    if (shown != isShown()) {
        if (shown)
            open(windowSized());
        else
            close(windowSized());
    }
    m_action->setChecked(shown);
}

void FieldInspectorToggle::open(bool grow)
{
    inspector().show();
    if (grow)
        growWindow(m_width + m_splitter.handleWidth());
    applyWidth();
}

void FieldInspectorToggle::close(bool shrink)
{
    m_width = std::clamp(m_inspector->width(), kMinimumWidth, kMaximumWidth);
    const int extra = m_inspector->width() + m_splitter.handleWidth();
    m_inspector->hide();
    if (shrink)
        m_window.resize(m_window.width() - extra, m_window.height());
}

// Wider by `extra`, moved left as far as needed to stay on its screen.
void FieldInspectorToggle::growWindow(int extra)
{
    m_window.resize(m_window.width() + extra, m_window.height());
    const QScreen* screen = m_window.screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QRect frame = m_window.frameGeometry();
    const int overflow = frame.right() - available.right();
    if (overflow > 0)
        m_window.move(std::max(available.left(), frame.left() - overflow), frame.top());
}

// The splitter gives the inspector its width and the rest to the step list
// and the hex view.
void FieldInspectorToggle::applyWidth()
{
    if (QLayout* layout = m_window.layout())
        layout->activate();
    // The splitter shows the inspector's handle only at its next layout.
    m_splitter.refresh();
    const int rest = m_splitter.width() - m_width - m_splitter.handleWidth();
    m_splitter.setSizes({std::max(0, rest), m_width});
}

void FieldInspectorToggle::restore(bool windowPositioned)
{
    const std::unique_ptr<QSettings> s = m_settings();
    s->beginGroup(QLatin1String(kWindowSettingsGroup));
    bool ok = false;
    const int width = s->value(QLatin1String(kWidthKey)).toString().trimmed().toInt(&ok);
    m_width = ok && width >= kMinimumWidth && width <= kMaximumWidth ? width : kDefaultWidth;
    if (s->value(QLatin1String(kShownKey)).toString().trimmed() != QLatin1String("1"))
        return;
    open(!windowPositioned && windowSized());
    m_action->setChecked(true);
}

std::optional<QString> FieldInspectorToggle::save() const
{
    const std::unique_ptr<QSettings> s = m_settings();
    s->beginGroup(QLatin1String(kWindowSettingsGroup));
    storeSetting(*s, QLatin1String(kShownKey), isShown() ? QStringLiteral("1") : QStringLiteral("0"));
    storeSetting(*s, QLatin1String(kWidthKey), QString::number(inspectorWidth()));
    s->endGroup();
    s->sync();
    if (s->status() != QSettings::NoError)
        return QStringLiteral("Cannot write the window placement to %1").arg(shownPath(s->fileName()));
    return std::nullopt;
}
