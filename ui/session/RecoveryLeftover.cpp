#include "ui/session/RecoveryLeftover.h"

#include "model/FileSystem.h"
#include "model/Messages.h"
#include "ui/common/DisplayText.h"
#include "ui/session/RecoveryCopy.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>

#include <algorithm>
#include <set>

namespace {
// The copies' names in the folder, from the copies and from their locks.
std::set<QString> copyNames(const QDir& dir)
{
    const QString suffix = QLatin1String(RecoveryCopy::kSuffix);
    const QString lockSuffix = suffix + QLatin1String(RecoveryCopy::kLockSuffix);
    std::set<QString> names;
    for (const QString& name : dir.entryList({QStringLiteral("script-*") + suffix}, QDir::Files | QDir::Hidden))
        names.insert(name);
    for (const QString& name : dir.entryList({QStringLiteral("script-*") + lockSuffix}, QDir::Files | QDir::Hidden))
        names.insert(name.chopped(qsizetype(sizeof RecoveryCopy::kLockSuffix) - 1));
    return names;
}

// The copy's lock, when no running editor holds it.
std::unique_ptr<QLockFile> claim(const QString& copyPath)
{
    auto lock = std::make_unique<QLockFile>(copyPath + QLatin1String(RecoveryCopy::kLockSuffix));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}
} // namespace

std::vector<std::unique_ptr<RecoveryLeftover>> RecoveryLeftover::claimAll(const QString& folder,
                                                                         const QString& ownCopy)
{
    std::vector<std::unique_ptr<RecoveryLeftover>> found;
    if (folder.isEmpty())
        return found;
    const QDir dir(folder);
    const QString own = QFileInfo(ownCopy).absoluteFilePath();
    for (const QString& name : copyNames(dir)) {
        const QString path = dir.absoluteFilePath(name);
        if (path == own)
            continue;
        std::unique_ptr<QLockFile> lock = claim(path);
        if (!lock)
            continue;
        if (!QFileInfo::exists(path))
            continue; // the lock alone: dropped, so removed
        found.push_back(std::make_unique<RecoveryLeftover>(path, std::move(lock)));
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return QFileInfo(a->path()).lastModified() > QFileInfo(b->path()).lastModified();
    });
    return found;
}

RecoveryLeftover::RecoveryLeftover(QString path, std::unique_ptr<QLockFile> lock)
    : m_path(std::move(path)), m_lock(std::move(lock))
{
}

RecoveryLeftover::~RecoveryLeftover()
{
    if (m_lock)
        m_lock->unlock();
}

RecoveryLeftover::Contents RecoveryLeftover::read() const
{
    // Read as modules are: a regular file, without blocking, within their
    // size limit; a larger file is no copy of ours.
    const QString damaged = qtText(pst::msg::kRecoveryCopyDamaged);
    const pst::ReadResult read = pst::realFileSystem().readFile(pathFromDisplay(m_path), pst::kMaxModuleFileSize);
    if (!read.ok)
        return {std::nullopt, read.error == pst::msg::kFileTooLarge ? damaged : qtText(read.error)};
    std::optional<pst::EditorSnapshot> snapshot = pst::decodeSnapshot(read.bytes);
    if (!snapshot)
        return {std::nullopt, damaged};
    return {std::move(snapshot), {}};
}

void RecoveryLeftover::remove()
{
    QFile::remove(m_path);
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
}
