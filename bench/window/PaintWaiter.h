#pragma once
// Waits, running the event loop, until a widget has been painted and the
// frame handed on: the end of every window figure.

#include <QtCore/QEventLoop>
#include <QtCore/QObject>

class QWidget;

class PaintWaiter : public QObject {
    Q_OBJECT

public:
    // Watches `widget` from now on; paints before this are not counted.
    explicit PaintWaiter(QWidget* widget);

    // Returns once the widget's next paint event has been handled (at once
    // when it has been already); false when none came within `timeoutMs`.
    bool wait(int timeoutMs = 120000);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QEventLoop m_loop;
    bool m_painted = false;
};
