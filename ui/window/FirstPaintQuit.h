#pragma once
// Ends the application right after a widget has been painted for the first
// time, once the frame is on its way to the screen: a start-up measure.

#include <QtCore/QObject>

class QWidget;

class FirstPaintQuit : public QObject {
    Q_OBJECT

public:
    explicit FirstPaintQuit(QWidget* watched);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
