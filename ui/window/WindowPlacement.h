#pragma once
// The window's stored size and position, per user, in the settings of the
// program (named after its file, group TfmScript). Every value is a string;
// numbers are decimal text. Positions are kept twice, once under a name with
// the screen size ("NormPos(1920x1080)") and once without, so that a screen
// of another size falls back to the plain name.
//
// The rectangles are the window's client area in screen coordinates, as
// "left,top,right,bottom" with right and bottom just outside it.

#include "ui/common/StoredSetting.h"

#include <QtCore/QRect>
#include <QtCore/QString>

#include <array>
#include <optional>

class QSettings;
class QWidget;

class WindowPlacement {
public:
    static constexpr const char* kGroup = kWindowSettingsGroup;

    // What the restore leaves for the window to do when it shows.
    struct Restored {
        bool positioned = false;   // a stored position was applied (no centring)
        bool maximized = false;    // show maximised
        bool minimizeApp = false;  // show normal, then minimise the application
        std::optional<QString> error;
    };

    explicit WindowPlacement(SettingsFactory settings);

    // Applies the stored placement to a window that is not yet shown.
    Restored restore(QWidget& window);
    // Writes the placement; `destroying` marks a save made only because the
    // window goes away without having been closed. Returns an error text
    // when the settings could not be written.
    std::optional<QString> save(const QWidget& window, bool destroying = false);

    bool wasRestored() const { return m_restored; }
    bool wasSaved() const { return m_saved; }

    // "NormPos" + "(1920x1080)" for the window's screen.
    static QString screenSuffix(const QWidget& window);
    // The first four words of a position string, split at blanks and commas;
    // a missing or non-numeric word is nullopt.
    static std::array<std::optional<int>, 4> positionWords(const QString& text);

private:
    static bool restorePosition(QSettings& settings, QWidget& window);

    SettingsFactory m_settings;
    bool m_restored = false;
    bool m_saved = false;
};
