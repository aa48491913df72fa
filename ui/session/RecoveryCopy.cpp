#include "ui/session/RecoveryCopy.h"

#include "model/Editor.h"
#include "model/EditorSnapshot.h"
#include "model/FileSystem.h"
#include "model/Messages.h"
#include "ui/common/DisplayText.h"

#include <QtCore/QDateTime>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QStandardPaths>
#include <QtCore/QUuid>

#include <algorithm>

namespace {
// While a command runs the state is half done: look again shortly.
constexpr std::chrono::milliseconds kBusyRetry{250};

QString lockError(QLockFile::LockError error)
{
    switch (error) {
    case QLockFile::PermissionError: return QStringLiteral("Permission denied");
    case QLockFile::LockFailedError: return QStringLiteral("The file is in use");
    default: return QStringLiteral("Unknown error");
    }
}
} // namespace

QString RecoveryCopy::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

RecoveryCopy::RecoveryCopy(const pst::Editor& editor, QString folder, std::chrono::milliseconds interval,
                           QObject* parent)
    : QObject(parent),
      m_editor(editor),
      m_folder(std::move(folder)),
      m_interval(interval)
{
    const QString name = QStringLiteral("script-") + QUuid::createUuid().toString(QUuid::WithoutBraces) + kSuffix;
    m_path = m_folder.isEmpty() ? name : QDir(m_folder).filePath(name);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryCopy::timeout);
}

RecoveryCopy::~RecoveryCopy()
{
    if (!m_closed && m_timer.isActive() && !m_editor.busy() && m_editor.modified())
        write();
}

void RecoveryCopy::noteChange()
{
    m_closed = false;
    if (!m_editor.modified())
        return; // nothing to keep: the script is the file's
    if (!m_timer.isActive())
        m_timer.start(m_interval);
}

void RecoveryCopy::modifiedChanged(bool modified)
{
    if (modified) {
        noteChange();
        return;
    }
    m_timer.stop();
    removeFile();
}

void RecoveryCopy::timeout()
{
    if (m_editor.busy()) {
        m_timer.start(std::min(m_interval, kBusyRetry));
        return;
    }
    if (m_editor.modified())
        report(write());
}

bool RecoveryCopy::writeNow()
{
    if (!m_editor.modified())
        return false;
    m_timer.stop();
    return report(write());
}

bool RecoveryCopy::report(const std::optional<QString>& failure)
{
    if (failure && !m_failureReported) {
        m_failureReported = true;
        emit writeFailed(*failure);
    }
    return !failure;
}

void RecoveryCopy::closeCleanly()
{
    m_timer.stop();
    m_closed = true;
    removeFile();
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
}

std::optional<QString> RecoveryCopy::lock()
{
    if (m_lock)
        return std::nullopt;
    if (m_folder.isEmpty())
        return QStringLiteral("There is no per-user data folder");
    if (!QDir().mkpath(m_folder))
        return QStringLiteral("Cannot create the folder \"%1\"").arg(QDir::toNativeSeparators(m_folder));
    auto lock = std::make_unique<QLockFile>(m_path + kLockSuffix);
    // Held for as long as the window lives: never taken for stale by age.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return lockError(lock->error());
    m_lock = std::move(lock);
    return std::nullopt;
}

// Returns the user's message when the copy could not be written; the copy
// on disk is then the one before, or none.
std::optional<QString> RecoveryCopy::write()
{
    const auto fail = [this](const QString& reason) {
        return toDisplay(pst::msg::recoveryCopyNotWritten(pathFromDisplay(QDir::toNativeSeparators(m_path)),
                                                          reason.toStdString()));
    };
    if (const std::optional<QString> failure = lock())
        return fail(*failure);
    pst::EditorSnapshot snapshot = m_editor.snapshot();
    snapshot.savedAtSeconds = QDateTime::currentSecsSinceEpoch();
    // Written as modules are: an interrupt leaves no temporary file behind.
    const pst::Bytes bytes = pst::encodeSnapshot(snapshot);
    if (const auto failure = pst::realFileSystem().writeFileAtomic(pathFromDisplay(m_path), bytes))
        return fail(qtText(*failure));
    return std::nullopt;
}

void RecoveryCopy::removeFile()
{
    QFile::remove(m_path);
}
