#include "ui/window/RecentFilesMenu.h"

#include "ui/window/RecentFiles.h"

#include <QtCore/QFileInfo>
#include <QtGui/QAction>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QToolButton>

RecentFilesMenu::RecentFilesMenu(RecentFiles& files, QPushButton& load, Loader loader)
    : QObject(&load), m_files(files), m_load(std::move(loader))
{
    m_menu = new QMenu(&load);
    m_menu->setObjectName(QStringLiteral("pmRecent"));
    m_menu->setToolTipsVisible(true);
    // Inside the button's right edge: the panel leaves no room beside it.
    m_button = new QToolButton(&load);
    m_button->setObjectName(QStringLiteral("btRecent"));
    m_button->setArrowType(Qt::DownArrow);
    m_button->setAutoRaise(true);
    m_button->setToolTip(QStringLiteral("Recent files"));
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setPopupMode(QToolButton::InstantPopup);
    m_button->setMenu(m_menu);
    m_button->setGeometry(load.width() - kArrowWidth - 2, 2, kArrowWidth, load.height() - 4);
    connect(m_menu, &QMenu::aboutToShow, this, &RecentFilesMenu::rebuild);
}

void RecentFilesMenu::rebuild()
{
    m_menu->clear();
    const QStringList files = m_files.files();
    if (files.isEmpty()) {
        m_menu->addAction(QStringLiteral("No recent files"))->setEnabled(false);
        return;
    }
    for (const QString& path : files) {
        const bool exists = QFileInfo(path).isFile();
        QAction* item = m_menu->addAction(exists ? path : path + QStringLiteral("  (no longer exists)"));
        item->setData(path);
        item->setEnabled(exists);
        item->setToolTip(exists ? path : QStringLiteral("No file is there any more"));
        connect(item, &QAction::triggered, this, [this, path] { m_load(path); });
    }
}
