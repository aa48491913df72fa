#pragma once
// The borderless panel below the hex view, 97 pixels high, with the
// window's controls at their designed places in three rows: the status line
// and the family box; the custom test box and its write button; the move
// buttons, the Step box, "to TREX", the module id box, Load and Save. The
// button that shows the field inspector (btFields, its action set by the
// window) sits in the free space between Step and "to TREX".

#include <QtWidgets/QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

class BottomPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeight = 97;

    explicit BottomPanel(QWidget* parent = nullptr);

    // The panel's controls in their keyboard order: Save, Load, module id,
    // Move Down, Move Up, Step, Status, family, custom test, write to INI,
    // to TREX, then the field inspector's button.
    QList<QWidget*> tabOrder() const;

    QLineEdit* edStatus;
    QComboBox* cbFamily;
    QComboBox* cbCustom;
    QToolButton* btWriteToIni;
    QToolButton* btDown;
    QToolButton* btUp;
    QCheckBox* cbStep;
    QPushButton* btTrx;
    QComboBox* cbModId;
    QPushButton* btRead;
    QPushButton* btWrite;
    QToolButton* btFields;

private:
    void createStatusRow();
    void createCustomRow();
    void createCommandRow();
};
