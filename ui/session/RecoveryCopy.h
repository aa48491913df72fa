#pragma once
// The recovery copy of an edited script. While the script is modified, the
// editor state (image, rows, selection, module id text) is kept in a file of
// the per-user data folder, so that a crash, a kill or a power cut loses at
// most the last few seconds of edits. The copy is written atomically, at
// most once per interval: the first change after a write starts a one-shot
// timer, and nothing is written while nothing changed.
//
// Each running editor has its own copy, "script-<uuid>.recovery", with a lock
// file beside it ("<copy>.lock") that it holds from its first write to its
// end. A copy whose lock no running editor holds is a leftover of a run that
// did not close its window (RecoveryLeftover); a copy whose lock is held
// belongs to an editor still at work and is left alone.

#include <QtCore/QLockFile>
#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtCore/QTimer>

#include <chrono>
#include <memory>
#include <optional>

namespace pst {
class Editor;
}

class RecoveryCopy : public QObject {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kInterval{10000};
    static constexpr char kSuffix[] = ".recovery";
    static constexpr char kLockSuffix[] = ".lock";

    // The per-user data folder of the program.
    static QString defaultFolder();

    RecoveryCopy(const pst::Editor& editor, QString folder, std::chrono::milliseconds interval = kInterval,
                 QObject* parent = nullptr);
    // A window that goes away without a clean close (the application told to
    // exit) writes what the copy still lacks and keeps it.
    ~RecoveryCopy() override;

    QString folder() const { return m_folder; }
    QString filePath() const { return m_path; }
    bool pending() const { return m_timer.isActive(); }

    // Something in the script changed: while it is modified, a write is due
    // within the interval.
    void noteChange();
    // The script became modified, or no longer is (a load, a save): in the
    // second case the copy goes.
    void modifiedChanged(bool modified);
    // Writes the copy at once when the script is modified; true when the
    // copy on disk now holds the script.
    bool writeNow();
    // The window closed with the user's consent: the copy and its lock go.
    void closeCleanly();

signals:
    // A write failed (the user's message); said once per run, later
    // failures are retried at the next change without a word.
    void writeFailed(const QString& message);

private:
    void timeout();
    std::optional<QString> write();
    // True when there was no failure; the first failure is told.
    bool report(const std::optional<QString>& failure);
    std::optional<QString> lock();
    void removeFile();

    const pst::Editor& m_editor;
    QString m_folder;
    QString m_path;
    std::chrono::milliseconds m_interval;
    QTimer m_timer;
    std::unique_ptr<QLockFile> m_lock;
    bool m_failureReported = false;
    bool m_closed = false;
};
