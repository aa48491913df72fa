#pragma once
// The menu of recent files on the Load button: a small arrow at the
// button's right edge opens it. Each item loads its file as Load does with
// that file chosen (unsaved edits asked about first); a file that no longer
// exists is greyed, with a note.

#include <QtCore/QObject>

#include <functional>

class QMenu;
class QPushButton;
class QToolButton;
class RecentFiles;

class RecentFilesMenu : public QObject {
    Q_OBJECT

public:
    using Loader = std::function<void(const QString& path)>;
    static constexpr int kArrowWidth = 16;

    RecentFilesMenu(RecentFiles& files, QPushButton& load, Loader loader);

    QMenu* menu() const { return m_menu; }
    QToolButton* button() const { return m_button; }
    // Fills the menu from the list (done each time it opens).
    void rebuild();

private:
    RecentFiles& m_files;
    Loader m_load;
    QToolButton* m_button;
    QMenu* m_menu;
};
