#include "ui/window/FirstPaintQuit.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QEvent>
#include <QtCore/QTimer>
#include <QtWidgets/QWidget>

FirstPaintQuit::FirstPaintQuit(QWidget* watched) : QObject(watched)
{
    watched->installEventFilter(this);
}

bool FirstPaintQuit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Queued: the paint and the flush of the frame come first.
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    }
    return false;
}
