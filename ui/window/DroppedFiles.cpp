#include "ui/window/DroppedFiles.h"

#include "ui/common/DisplayText.h"

#include <QtCore/QMimeData>
#include <QtCore/QUrl>

std::vector<std::string> droppedPaths(const QMimeData& mime)
{
    std::vector<std::string> paths;
    for (const QUrl& url : mime.urls())
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            paths.push_back(pathFromDisplay(url.toLocalFile()));
    return paths;
}
