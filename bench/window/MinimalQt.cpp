// pst_minimal_qt: the least a Qt Widgets program does to show a window with
// a list, ended right after its first painted frame as
// `pstedit --quit-after-first-paint` is; the baseline of pstedit's start.

#include "ui/window/FirstPaintQuit.h"

#include <QtWidgets/QApplication>
#include <QtWidgets/QMainWindow>
#include <QtWidgets/QTreeView>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QTreeView(&window));
    window.resize(567, 716);
    new FirstPaintQuit(&window);
    window.show();
    return QApplication::exec();
}
