// Saves the whole screen of the running X display as a PNG: a screenshot of
// whatever other programs show there (scripts/screenshot.sh uses it under
// Xvfb). Not installed.
//
//     grab_screen FILE

#include <QtGui/QGuiApplication>
#include <QtGui/QPixmap>
#include <QtGui/QScreen>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: grab_screen FILE\n");
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "grab_screen: cannot grab the screen into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
