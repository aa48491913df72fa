#pragma once
// The 4-pixel bar along the window's bottom edge, with the vertical resize
// cursor: dragging it changes the window's height, as its bottom border does.

#include <QtWidgets/QWidget>

class SplitterBar : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeight = 4;

    explicit SplitterBar(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Global y of the press and the window's height then; none while idle.
    int m_pressY = 0;
    int m_pressHeight = -1;
};
