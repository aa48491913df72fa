#pragma once
// The editor's one window, fmScript of class TfmScript, "Self Scan Script":
// the step list, the hex view of the selected step (190 pixels), the bottom
// panel of controls (97 pixels) and the bar below it; on demand the field
// inspector to the right of the step list and the hex view. It is a view of
// an EditorSession, which holds the state and outlives the widgets; every
// button, menu item and drop runs one editor command through it, one at a
// time.

#include "ui/session/EditorSession.h"
#include "ui/window/WindowPlacement.h"

#include <QtCore/QPointer>
#include <QtWidgets/QWidget>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class BottomPanel;
class CompareWindow;
class FieldInspector;
class FieldInspectorToggle;
class FindBar;
class ModuleFileWatch;
class RecentFiles;
class RecentFilesMenu;
class StepNavigator;
class HexView;
class QAction;
class QMenu;
class QSplitter;
class RecoveryLeftover;
class StepListView;

class TfmScript : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize kDesignSize{567, 716};
    static constexpr QSize kMinimumSize{550, 400};
    static constexpr int kHexViewHeight = 190;

    // The session must outlive the window.
    explicit TfmScript(EditorSession& session, QWidget* parent = nullptr);
    ~TfmScript() override;

    EditorSession& session() { return m_session; }
    pst::Editor& editor() { return m_session.editor(); }
    WindowHost& host() { return m_session.host(); }
    StepListModel& stepModel() { return m_session.stepModel(); }
    StepListView* lvScript() const { return m_lvScript; }
    HexView* heScript() const { return m_heScript; }
    BottomPanel* panel() const { return m_panel; }
    QMenu* pmScript() const { return m_pmScript; }
    QMenu* pmHex() const { return m_pmHex; }
    // "Undo <caption>" and "Redo <caption>": first in pmScript, their keys
    // (Alt+Backspace, Shift+Alt+Backspace) anywhere in the window.
    QAction* miUndo() const { return m_miUndo; }
    QAction* miRedo() const { return m_miRedo; }
    // Beside the step list and the hex view; hidden until shown (F2).
    // The field inspector, built (hidden) at the first call if it was never shown.
    FieldInspector* fieldInspector();
    FieldInspectorToggle* fieldInspectorToggle() const { return m_inspectorToggle; }
    // Under the step list, hidden until Ctrl+F.
    FindBar* findBar() const { return m_findBar; }
    StepNavigator* navigator() const { return m_navigator; }
    RecentFilesMenu* recentFilesMenu() const { return m_recentMenu; }
    ModuleFileWatch* moduleFileWatch() const { return m_fileWatch; }

    // Runs one command as its button or menu item does; its changes make a
    // step of the script history named `caption`.
    bool run(pst::EditorCommand command, std::string_view caption = {});
    // Loads a module as Load does with `path` chosen in its dialog.
    void loadFile(const QString& path);
    // Files dropped on the window (only the first counts).
    void WMDropFiles(const std::vector<std::string>& paths);
    // At start: offers the scripts that editors which ended without closing
    // their window left unsaved, newest first, until one is restored.
    void offerRecovery();
    RecoveryCopy& recoveryCopy() { return m_session.recoveryCopy(); }
    // "Compare with...": the script of a module chosen in the open dialog in
    // a compare window beside this one (one at a time); the window open, or null.
    void compareWith();
    CompareWindow* compareWindow() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Construction (MainWindow.cpp, MainWindowMenus.cpp).
    void setupWindow();
    void createControls();
    QSplitter* createSplitter();
    void createMenus();
    QMenu* createScriptMenu();
    QMenu* createHexMenu();
    // The script history (MainWindowHistory.cpp).
    void addHistoryActions(QMenu* menu);
    void showHistorySteps();
    void connectControls();
    void followEditor();
    void setTabOrder();
    // The find bar, link jumps, recent files, the loaded file's watch and
    // where the file dialogs start (MainWindowFindWay.cpp).
    void createWayFinding();

    // Running commands: one at a time, the view's selection mirrored after.
    bool runCommand(const std::function<void()>& command, std::string_view caption = {});
    void commandEnded();

    // The new script's layout: the hex view's hint and field names.
    void showHexHint();

    // The controls' own events.
    void cbFamilyChange(const QString& text);
    void cbCustomChange(const QString& text);
    void lvScriptSelectionChanged();

    // Showing and closing (MainWindowEvents.cpp).
    void FormShow();
    void restorePlacement();
    void savePlacement(bool destroying);
    // Dropped files: taken only while no command runs.
    bool takesDrop(const QDropEvent& event) const;
    void answerDrag(QDragMoveEvent& event) const;

    // Never losing an edit (MainWindowRecovery.cpp).
    // Asks about unsaved edits before the window closes or a restored script
    // takes their place; true when they were saved or discarded, or none.
    bool mayReplaceScript();
    bool offerLeftover(RecoveryLeftover& leftover);

    EditorSession& m_session;
    WindowPlacement m_placement;

    StepListView* m_lvScript = nullptr;
    HexView* m_heScript = nullptr;
    BottomPanel* m_panel = nullptr;
    QMenu* m_pmScript = nullptr;
    QMenu* m_pmHex = nullptr;
    QAction* m_miUndo = nullptr;
    QAction* m_miRedo = nullptr;
    FieldInspectorToggle* m_inspectorToggle = nullptr;
    QPointer<CompareWindow> m_compare;
    FindBar* m_findBar = nullptr;
    StepNavigator* m_navigator = nullptr;
    std::unique_ptr<RecentFiles> m_recentFiles;
    RecentFilesMenu* m_recentMenu = nullptr;
    ModuleFileWatch* m_fileWatch = nullptr;

    bool m_shown = false;
    bool m_closeRequested = false;
    // The receiver of the session's signals that reach this class's own
    // members. It goes with them, before QWidget's destructor hides the
    // window, when a value still being edited may be committed as a command.
    QObject m_sessionReceiver;
};
