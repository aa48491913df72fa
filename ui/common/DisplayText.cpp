#include "ui/common/DisplayText.h"

#include "model/Messages.h"
#include "model/TextDecode.h"

#include <QtCore/QFile>

QString toDisplay(const std::string& bytes)
{
    return QString::fromStdString(pst::displayText(bytes));
}

QString qtText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string fromDisplay(const QString& text, const std::vector<std::string>& candidates)
{
    for (const std::string& candidate : candidates)
        if (toDisplay(candidate) == text)
            return candidate;
    return text.toStdString();
}

QString pathToDisplay(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string pathFromDisplay(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString shownPath(const QString& path)
{
    return pathToDisplay(pst::msg::shownFileName(pathFromDisplay(path)));
}
