#pragma once
// A recovery copy left by an editor that ended without closing its window
// (a crash, a kill, a power cut). Claiming it takes its lock, so that no
// other editor offers the same copy at the same time; the lock is given up
// when the leftover is removed or dropped, and a copy that is neither
// restored nor discarded stays for the next start.

#include "model/EditorSnapshot.h"

#include <QtCore/QLockFile>
#include <QtCore/QString>

#include <memory>
#include <optional>
#include <vector>

class RecoveryLeftover {
public:
    // The leftovers in `folder`, newest first, skipping `ownCopy` and every
    // copy whose lock a running editor holds. Locks of ended editors that
    // left no copy are removed on the way.
    static std::vector<std::unique_ptr<RecoveryLeftover>> claimAll(const QString& folder, const QString& ownCopy);

    RecoveryLeftover(QString path, std::unique_ptr<QLockFile> lock);
    ~RecoveryLeftover();
    RecoveryLeftover(const RecoveryLeftover&) = delete;
    RecoveryLeftover& operator=(const RecoveryLeftover&) = delete;

    QString path() const { return m_path; }

    struct Contents {
        std::optional<pst::EditorSnapshot> snapshot;
        QString error; // why there is none: the read error, or the copy is damaged
    };
    Contents read() const;

    // Deletes the copy, then its lock.
    void remove();

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
