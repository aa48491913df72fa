#pragma once
// The application's style with one change in how, not what, it paints: a
// wide horizontal header section is painted as narrow slices side by side.
// Fusion draws a section's top and bottom lines pixel by pixel into a cached
// pixmap, and the raster engine hands a line of more than 95 pixels to
// worker threads and waits for them; at the first frame that started two
// threads for the step list's "Description" header alone. Slices of at most
// 64 pixels stay on the painting thread. The pixels are the same: Fusion's
// section is a vertical gradient with lines along its top and bottom, and
// only the last slice keeps the section's position, so that only it draws the
// separator at the right edge. Other styles paint their sections whole.

#include <QtWidgets/QProxyStyle>

class SlicedHeaderStyle : public QProxyStyle {
    Q_OBJECT

public:
    static constexpr int kSliceWidth = 64;

    // Based on a new instance of the style named `key` ("fusion", ...).
    explicit SlicedHeaderStyle(const QString& key);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

private:
    bool m_slices;
};
