#include "ui/window/SplitterBar.h"

#include <QtGui/QMouseEvent>
#include <QtGui/QWindow>

SplitterBar::SplitterBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Splitter1"));
    setFixedHeight(kHeight);
    setCursor(Qt::SizeVerCursor);
}

void SplitterBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The window manager resizes where it can; otherwise follow the mouse.
    QWindow* handle = window()->windowHandle();
    if (handle && handle->startSystemResize(Qt::BottomEdge))
        return;
    m_pressY = qRound(event->globalPosition().y());
    m_pressHeight = window()->height();
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressHeight < 0)
        return;
    QWidget* w = window();
    const int height = m_pressHeight + qRound(event->globalPosition().y()) - m_pressY;
    w->resize(w->width(), std::max(height, w->minimumHeight()));
}

void SplitterBar::mouseReleaseEvent(QMouseEvent*) { m_pressHeight = -1; }
