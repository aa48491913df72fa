#pragma once
// Shows and hides the field inspector: one checkable action, "Step Fields"
// on F2, behind the bottom panel's button btFields. Opening it widens the
// window by the inspector's width and closing it narrows the window again,
// so that the step list and the hex view keep their size and the window
// looks as it did; a maximised window keeps its size and shares it instead.
//
// Whether it is open, and its width, are kept with the window placement
// (values "FieldInspector", "0" or "1", and "FieldInspectorWidth" in the
// group TfmScript). It is closed at first start, and built when first
// needed: a window that never shows it does not pay for it at start.

#include "ui/common/StoredSetting.h"

#include <QtCore/QObject>
#include <QtCore/QString>

#include <functional>
#include <optional>

class FieldInspector;
class QAction;
class QSplitter;
class QWidget;

class FieldInspectorToggle : public QObject {
    Q_OBJECT

public:
    static constexpr char kShownKey[] = "FieldInspector";
    static constexpr char kWidthKey[] = "FieldInspectorWidth";
    static constexpr int kDefaultWidth = 540;
    static constexpr int kMinimumWidth = 200;
    static constexpr int kMaximumWidth = 4000;

    using InspectorFactory = std::function<FieldInspector*()>;

    // The inspector, once built, is the splitter's second widget, beside the
    // step list and the hex view.
    FieldInspectorToggle(QWidget& window, QSplitter& splitter, InspectorFactory build,
                         SettingsFactory settings);

    QAction* action() const { return m_action; }
    // The inspector, built (hidden) at the first call.
    FieldInspector& inspector();
    // The inspector if it has been built, else null.
    FieldInspector* builtInspector() const { return m_inspector; }
    bool isShown() const;
    // The inspector's width when open (the width it opens with when closed).
    int inspectorWidth() const;

    // As the user toggles: the window grows or shrinks with the inspector
    // unless it is maximised.
    void setShown(bool shown);

    // At show time, after the window placement: opens the inspector when it
    // was open at the last close. A window whose stored position was not
    // applied opens at its design size, so it grows for the inspector.
    void restore(bool windowPositioned);
    // Writes the state; an error text when the settings could not be written.
    std::optional<QString> save() const;

private:
    void open(bool growWindow);
    void close(bool shrinkWindow);
    void growWindow(int extra);
    void applyWidth();
    bool windowSized() const;

    QWidget& m_window;
    QSplitter& m_splitter;
    InspectorFactory m_build;
    FieldInspector* m_inspector = nullptr;
    SettingsFactory m_settings;
    QAction* m_action = nullptr;
    int m_width = kDefaultWidth;
};
