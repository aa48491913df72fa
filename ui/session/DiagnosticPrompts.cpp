#include "ui/session/DiagnosticPrompts.h"

#include "model/Editor.h"
#include "model/EditorSnapshot.h"
#include "model/Messages.h"
#include "ui/common/DisplayText.h"

#include <QtCore/QSaveFile>

DiagnosticPrompts::DiagnosticPrompts(QStringList answers, std::FILE* out) : m_answers(std::move(answers)), m_out(out)
{
}

void DiagnosticPrompts::print(const QString& line)
{
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), m_out);
    std::fflush(m_out);
}

QString DiagnosticPrompts::answer(const QString& question, const QStringList& fitting)
{
    QString given = m_answers.isEmpty() ? QString() : m_answers.takeFirst();
    if (!fitting.contains(given))
        given = fitting.front();
    print(question + QStringLiteral(" -> ") + given);
    return given;
}

std::optional<QString> DiagnosticPrompts::openFile(const FileDialogRequest& request)
{
    print(QStringLiteral("open dialog: %1 -> cancel").arg(request.filter));
    return std::nullopt;
}

std::optional<QString> DiagnosticPrompts::saveFile(const FileDialogRequest& request)
{
    print(QStringLiteral("save dialog: %1 -> cancel").arg(request.filter));
    return std::nullopt;
}

void DiagnosticPrompts::warning(const QString& text) { print(QStringLiteral("warning: ") + text); }

void DiagnosticPrompts::critical(const QString& text) { print(QStringLiteral("error: ") + text); }

bool DiagnosticPrompts::askReplaceChangedFile(const QString& path)
{
    return answer(toDisplay(pst::msg::changedOnDiskQuestion(pathFromDisplay(path))),
                  {QStringLiteral("cancel"), QStringLiteral("replace")})
           == QLatin1String("replace");
}

bool DiagnosticPrompts::askReloadChangedFile(const QString& path)
{
    return answer(toDisplay(pst::msg::reloadChangedQuestion(pathFromDisplay(path))),
                  {QStringLiteral("keep"), QStringLiteral("load")})
           == QLatin1String("load");
}

pst::SaveChangesAnswer DiagnosticPrompts::askSaveChanges()
{
    const QString a = answer(qtText(pst::msg::kSaveChangesQuestion),
                             {QStringLiteral("cancel"), QStringLiteral("save"), QStringLiteral("discard")});
    if (a == QLatin1String("save"))
        return pst::SaveChangesAnswer::Save;
    if (a == QLatin1String("discard"))
        return pst::SaveChangesAnswer::Discard;
    return pst::SaveChangesAnswer::Cancel;
}

RestoreAnswer DiagnosticPrompts::askRestore(const QString& savedAt)
{
    const QString a = answer(toDisplay(pst::msg::restoreQuestion(savedAt.toStdString())),
                             {QStringLiteral("later"), QStringLiteral("restore"), QStringLiteral("discard")});
    if (a == QLatin1String("restore"))
        return RestoreAnswer::Restore;
    if (a == QLatin1String("discard"))
        return RestoreAnswer::Discard;
    return RestoreAnswer::Later;
}

QString writeStateDump(const pst::Editor& editor, const QString& path)
{
    const pst::Bytes bytes = pst::encodeSnapshot(editor.snapshot());
    QSaveFile file(path);
    const auto size = static_cast<qint64>(bytes.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(bytes.data()), size) != size
        || !file.commit())
        return file.errorString();
    return {};
}
