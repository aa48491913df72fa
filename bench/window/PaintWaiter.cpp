#include "PaintWaiter.h"

#include <QtCore/QEvent>
#include <QtCore/QTimer>
#include <QtWidgets/QWidget>

PaintWaiter::PaintWaiter(QWidget* widget) : QObject(widget)
{
    widget->installEventFilter(this);
}

bool PaintWaiter::wait(int timeoutMs)
{
    if (!m_painted) {
        QTimer::singleShot(timeoutMs, &m_loop, &QEventLoop::quit);
        m_loop.exec();
    }
    return m_painted;
}

bool PaintWaiter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && !m_painted) {
        watched->removeEventFilter(this);
        m_painted = true;
        // Queued: the paint itself and the flush of the frame come first.
        QTimer::singleShot(0, &m_loop, &QEventLoop::quit);
    }
    return false;
}
