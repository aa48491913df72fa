#include "ui/window/ModuleFileWatch.h"

#include "model/Editor.h"
#include "ui/common/DisplayText.h"
#include "ui/session/WindowPrompts.h"

#include <QtCore/QEvent>
#include <QtCore/QTimer>
#include <QtWidgets/QWidget>

ModuleFileWatch::ModuleFileWatch(pst::Editor& editor, WindowPrompts& prompts, QWidget& window, Loader loader)
    : QObject(&window), m_editor(editor), m_prompts(prompts), m_load(std::move(loader))
{
    window.installEventFilter(this);
}

// After the activation has been handled: the question is a window of its own.
bool ModuleFileWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, &ModuleFileWatch::check);
    return QObject::eventFilter(watched, event);
}

void ModuleFileWatch::check()
{
    if (m_editor.busy() || !m_editor.moduleFileChangedToOffer())
        return;
    const QString path = pathToDisplay(m_editor.moduleFile()->path());
    if (m_prompts.askReloadChangedFile(path))
        m_load(path);
}
