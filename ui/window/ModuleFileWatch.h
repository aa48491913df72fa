#pragma once
// When the window comes to the front and the module file the script came
// from has changed on disk while the script has no unsaved edits, offers to
// load it again ("<file> changed on disk. Load it again?"); each version of
// the file is offered once.

#include <QtCore/QObject>

#include <functional>

class QWidget;
class WindowPrompts;

namespace pst {
class Editor;
}

class ModuleFileWatch : public QObject {
    Q_OBJECT

public:
    using Loader = std::function<void(const QString& path)>;

    ModuleFileWatch(pst::Editor& editor, WindowPrompts& prompts, QWidget& window, Loader loader);

    // Looks at the file now, as the window's activation does.
    void check();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    pst::Editor& m_editor;
    WindowPrompts& m_prompts;
    Loader m_load;
};
