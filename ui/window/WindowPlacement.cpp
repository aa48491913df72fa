#include "ui/window/WindowPlacement.h"

#include "ui/common/DisplayText.h"
#include "ui/common/StoredSetting.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QFileInfo>
#include <QtCore/QSettings>
#include <QtCore/QStringList>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtWidgets/QWidget>

#include <utility>

namespace {
enum ShowCmd { kShowNormal = 1, kShowMinimized = 2, kShowMaximized = 3, kMinNoActive = 6, kShowMinNoActive = 7 };
// The system's placement flag for a minimised window that comes back maximised.
constexpr int kRestoreToMaximized = 2;

QScreen* screenOf(const QWidget& window)
{
    QScreen* screen = window.screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

int pixelsPerInch(const QWidget& window)
{
    QScreen* screen = screenOf(window);
    return screen ? qRound(screen->logicalDotsPerInch()) : 96;
}

QString rectText(const QRect& r)
{
    return QStringLiteral("%1,%2,%3,%4").arg(r.left()).arg(r.top()).arg(r.left() + r.width()).arg(r.top() + r.height());
}

std::optional<int> intValue(QSettings& s, const QString& key)
{
    bool ok = false;
    const int v = s.value(key).toString().trimmed().toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

// The position under the screen-size name, else under the plain name.
QString positionText(QSettings& s, const QString& name, const QString& suffix)
{
    const QString sized = s.value(name + suffix).toString();
    return sized.isEmpty() ? s.value(name).toString() : sized;
}

// A window placed where no screen is any more would be out of reach: it is
// moved onto the primary screen, keeping its size.
QRect onSomeScreen(const QRect& rect)
{
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(rect))
            return rect;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary)
        return rect;
    QRect moved = rect;
    moved.moveTopLeft(primary->availableGeometry().topLeft());
    return moved;
}

int showCmdOf(const QWidget& window)
{
    if (window.isMinimized())
        return kShowMinimized;
    return window.isMaximized() ? kShowMaximized : kShowNormal;
}
} // namespace

WindowPlacement::WindowPlacement(SettingsFactory settings) : m_settings(std::move(settings)) {}

QString WindowPlacement::screenSuffix(const QWidget& window)
{
    const QScreen* screen = screenOf(window);
    const QSize size = screen ? screen->size() : QSize();
    return QStringLiteral("(%1x%2)").arg(size.width()).arg(size.height());
}

std::array<std::optional<int>, 4> WindowPlacement::positionWords(const QString& text)
{
    // Words are separated by any run of blanks and commas.
    QStringList words;
    QString word;
    for (const QChar c : text) {
        if (c.isSpace() || c == u',') {
            if (!word.isEmpty())
                words.append(std::exchange(word, QString()));
        } else {
            word.append(c);
        }
    }
    if (!word.isEmpty())
        words.append(word);
    std::array<std::optional<int>, 4> out;
    for (qsizetype i = 0; i < 4 && i < words.size(); ++i) {
        bool ok = false;
        const int v = words.at(i).toInt(&ok);
        if (ok)
            out[static_cast<std::size_t>(i)] = v;
    }
    return out;
}

WindowPlacement::Restored WindowPlacement::restore(QWidget& window)
{
    m_restored = true;
    Restored result;
    const std::unique_ptr<QSettings> s = m_settings();
    s->beginGroup(QLatin1String(kGroup));
    if (s->status() != QSettings::NoError)
        result.error = QStringLiteral("Cannot read the window placement from %1").arg(shownPath(s->fileName()));
    if (intValue(*s, QStringLiteral("FormVersion")).value_or(0) < 0)
        return result;
    result.positioned = restorePosition(*s, window);
    switch (intValue(*s, QStringLiteral("ShowCmd")).value_or(kShowNormal)) {
    case kShowMaximized: result.maximized = true; break;
    case kShowMinimized:
    case kMinNoActive:
    case kShowMinNoActive: result.minimizeApp = true; break;
    default: break;
    }
    return result;
}

// The normal position, when one is stored and the pixel density is the same.
bool WindowPlacement::restorePosition(QSettings& s, QWidget& window)
{
    const QString suffix = screenSuffix(window);
    const QString minMax = positionText(s, QStringLiteral("MinMaxPos"), suffix);
    const QString norm = positionText(s, QStringLiteral("NormPos"), suffix);
    const std::optional<int> ppi = intValue(s, QStringLiteral("PixelsPerInch"));
    if ((minMax.isEmpty() && norm.isEmpty()) || (ppi && *ppi != pixelsPerInch(window)))
        return false;
    const QRect current = window.geometry();
    const auto w = positionWords(norm);
    const int left = w[0].value_or(current.left());
    const int top = w[1].value_or(current.top());
    const int right = w[2].value_or(current.left() + current.width());
    const int bottom = w[3].value_or(current.top() + current.height());
    if (left >= right)
        return false;
    window.setGeometry(onSomeScreen(QRect(left, top, right - left, bottom - top)));
    return true;
}

std::optional<QString> WindowPlacement::save(const QWidget& window, bool destroying)
{
    m_saved = true;
    const std::unique_ptr<QSettings> s = m_settings();
    s->beginGroup(QLatin1String(kGroup));
    const QString suffix = screenSuffix(window);
    const bool restoresMaximized = window.isMinimized() && window.windowState().testFlag(Qt::WindowMaximized);
    const QRect normal = window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
    // The minimised and maximised positions are the system's to choose.
    const QString minMax = QStringLiteral("-1,-1,-1,-1");

    storeSetting(*s, QStringLiteral("FormVersion"), QStringLiteral("0"));
    storeSetting(*s, QStringLiteral("Flags"), QString::number(restoresMaximized ? kRestoreToMaximized : 0));
    storeSetting(*s, QStringLiteral("ShowCmd"), QString::number(showCmdOf(window)));
    storeSetting(*s, QStringLiteral("PixelsPerInch"), QString::number(pixelsPerInch(window)));
    storeSetting(*s, QStringLiteral("MinMaxPos") + suffix, minMax);
    storeSetting(*s, QStringLiteral("MinMaxPos"), minMax);
    storeSetting(*s, QStringLiteral("NormPos") + suffix, rectText(normal));
    storeSetting(*s, QStringLiteral("NormPos"), rectText(normal));
    storeSetting(*s, QStringLiteral("Visible"), destroying ? QStringLiteral("1") : QStringLiteral("0"));
    s->endGroup();
    s->sync();
    if (s->status() != QSettings::NoError)
        return QStringLiteral("Cannot write the window placement to %1").arg(shownPath(s->fileName()));
    return std::nullopt;
}
