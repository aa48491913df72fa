#include "ui/session/FileFilter.h"

#include <QtCore/QStringList>

namespace {
QString qtPatterns(const QString& patterns)
{
    QStringList out;
    for (const QString& p : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = p.trimmed();
        if (!trimmed.isEmpty())
            out << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
    }
    return out.isEmpty() ? QStringLiteral("*") : out.join(QLatin1Char(' '));
}
} // namespace

QString qtFileFilter(std::string_view filter)
{
    const QStringList parts = QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split(QLatin1Char('|'));
    if (filter.empty())
        return {};
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString pattern = i + 1 < parts.size() ? parts.at(i + 1) : QString();
        entries << QStringLiteral("%1 (%2)").arg(parts.at(i), qtPatterns(pattern));
    }
    return entries.join(QStringLiteral(";;"));
}
