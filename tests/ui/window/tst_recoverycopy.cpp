// The recovery copy of an edited script: written a while after a change and
// only while the script is unsaved, gone after a save or a clean close,
// offered at the next start when a window went away without closing, and
// restored exactly. Damaged copies, failed writes and a second editor
// running at the same time.

#include "WindowFixture.h"

#include "model/EditorSnapshot.h"
#include "ui/session/RecoveryCopy.h"

#include <QtCore/QDateTime>
#include <QtCore/QLocale>

using pst::test::ModuleBuilder;
using namespace std::chrono_literals;

namespace {
QStringList copies(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("script-*.recovery")}, QDir::Files);
}

QStringList locks(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.lock")}, QDir::Files);
}

std::optional<pst::EditorSnapshot> readCopy(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    return pst::decodeSnapshot(
        pst::ByteView(reinterpret_cast<const pst::Byte*>(bytes.constData()), static_cast<std::size_t>(bytes.size())));
}

// The editor state as the copy holds it, without the time it was taken.
pst::Bytes stateOf(const pst::EditorSnapshot& s)
{
    pst::EditorSnapshot timeless = s;
    timeless.savedAtSeconds = 0;
    return pst::encodeSnapshot(timeless);
}
pst::Bytes stateOf(const pst::Editor& editor) { return stateOf(editor.snapshot()); }

ModuleBuilder threeSteps(pst::ModuleLayout layout = pst::ModuleLayout::Royl)
{
    return ModuleBuilder(layout).step(0x10, 0).step(0x11, 1).step(0x12, 2).capacity(8);
}

// A window with m.rpm loaded and edited: a step inserted, a byte typed in
// the hex view and the module id changed.
TfmScript& editedWindow(WindowFixture& f, pst::ModuleLayout layout = pst::ModuleLayout::Royl)
{
    f.writeModule(QStringLiteral("m.rpm"), threeSteps(layout));
    TfmScript& w = f.show();
    f.load(QStringLiteral("m.rpm"));
    w.editor().selectRow(1);
    choose(w, "miInsert");
    w.heScript()->setCursorOffset(5);
    QTest::keyClicks(w.heScript(), QStringLiteral("5A"));
    f.panel().cbModId->setEditText(QStringLiteral("3B"));
    return w;
}
} // namespace

class TestRecoveryCopy : public QObject {
    Q_OBJECT

private slots:
    void writtenAWhileAfterAChangeOnlyWhileUnsaved()
    {
        WindowFixture f;
        f.recoveryInterval = 40ms;
        f.writeModule(QStringLiteral("m.rpm"), threeSteps());
        TfmScript& w = f.show();
        f.load(QStringLiteral("m.rpm"));
        w.editor().selectRow(0);
        QTest::qWait(120);
        QVERIFY(copies(f.recoveryFolder).isEmpty()); // loaded, nothing unsaved

        choose(w, "miInsert");
        QVERIFY(copies(f.recoveryFolder).isEmpty()); // not at once
        QTRY_COMPARE(copies(f.recoveryFolder).size(), 1);
        const QString path = w.recoveryCopy().filePath();
        QCOMPARE(QDir(f.recoveryFolder).filePath(copies(f.recoveryFolder).front()), path);
        std::optional<pst::EditorSnapshot> copy = readCopy(path);
        QVERIFY(copy);
        QCOMPARE(stateOf(*copy), stateOf(w.editor()));
        QVERIFY(qAbs(copy->savedAtSeconds - QDateTime::currentSecsSinceEpoch()) < 60);

        // Nothing changed: nothing written.
        QVERIFY(QFile::remove(path));
        QTest::qWait(120);
        QVERIFY(!QFile::exists(path));

        // The next change is written too.
        choose(w, "miDelete");
        QTRY_VERIFY(QFile::exists(path));
        QCOMPARE(stateOf(*readCopy(path)), stateOf(w.editor()));

        // Saved: no longer unsaved, so no copy.
        f.prompts().saveAnswers.push_back(f.path(QStringLiteral("saved.rpm")));
        w.panel()->btWrite->click();
        QVERIFY(!w.editor().modified());
        QVERIFY(copies(f.recoveryFolder).isEmpty());
        QTest::qWait(120);
        QVERIFY(copies(f.recoveryFolder).isEmpty());
    }

    void aCleanCloseRemovesTheCopyAndItsLock()
    {
        WindowFixture f;
        TfmScript& w = editedWindow(f);
        QVERIFY(w.recoveryCopy().writeNow());
        QCOMPARE(copies(f.recoveryFolder).size(), 1);
        QCOMPARE(locks(f.recoveryFolder).size(), 1);
        f.prompts().saveChangesAnswers.push_back(pst::SaveChangesAnswer::Discard);
        QVERIFY(w.close());
        QVERIFY(copies(f.recoveryFolder).isEmpty());
        QVERIFY(locks(f.recoveryFolder).isEmpty());
    }

    // A window that goes away without closing (the program told to exit)
    // writes the edits its copy still lacks.
    void goingAwayWithoutClosingKeepsTheLatestEdits()
    {
        WindowFixture f;
        TfmScript& w = editedWindow(f); // the 10-second wait has not passed
        QVERIFY(copies(f.recoveryFolder).isEmpty());
        const pst::Bytes expected = stateOf(w.editor());
        f.destroyWindow();
        QCOMPARE(copies(f.recoveryFolder).size(), 1);
        QCOMPARE(stateOf(*readCopy(QDir(f.recoveryFolder).filePath(copies(f.recoveryFolder).front()))), expected);
    }

    void restoreBringsBackTheScriptExactly_data()
    {
        QTest::addColumn<pst::ModuleLayout>("layout");
        QTest::newRow("ROYL") << pst::ModuleLayout::Royl;
        QTest::newRow("28 bytes") << pst::ModuleLayout::Legacy28;
    }
    void restoreBringsBackTheScriptExactly()
    {
        QFETCH(pst::ModuleLayout, layout);
        WindowFixture f;
        TfmScript& before = editedWindow(f, layout);
        QVERIFY(before.recoveryCopy().writeNow());
        const pst::Bytes expected = stateOf(before.editor());
        const QString leftover = before.recoveryCopy().filePath();
        const std::int64_t savedAt = readCopy(leftover)->savedAtSeconds;
        f.destroyWindow();

        TfmScript& after = f.show();
        f.prompts().restoreAnswers.push_back(RestoreAnswer::Restore);
        after.offerRecovery();

        QCOMPARE(f.prompts().restoreAsked,
                 QStringList({QLocale().toString(QDateTime::fromSecsSinceEpoch(savedAt), QLocale::ShortFormat)}));
        QCOMPARE(stateOf(after.editor()), expected);
        QVERIFY(after.editor().modified());
        QCOMPARE(f.panel().cbModId->currentText(), QStringLiteral("3B"));
        QCOMPARE(f.hexBytes(), bytesOf(after.editor().steps().row(after.editor().steps().selected()).record));
        QCOMPARE(f.title(), QStringLiteral("Self Scan Script - 3B - Step: 3 (3h)"));
        // This run's copy holds the script now; the old one is gone.
        QVERIFY(!QFile::exists(leftover));
        QCOMPARE(copies(f.recoveryFolder).size(), 1);
        QCOMPARE(stateOf(*readCopy(after.recoveryCopy().filePath())), expected);
        // Saving it as any other script.
        f.prompts().saveAnswers.push_back(f.path(QStringLiteral("restored.rpm")));
        after.panel()->btWrite->click();
        QVERIFY(!after.editor().modified());
        QVERIFY(copies(f.recoveryFolder).isEmpty());
    }

    void discardDeletesLaterKeeps()
    {
        WindowFixture f;
        QVERIFY(editedWindow(f).recoveryCopy().writeNow());
        f.destroyWindow();

        f.show();
        f.prompts().restoreAnswers.push_back(RestoreAnswer::Later);
        f.window().offerRecovery();
        QCOMPARE(f.prompts().restoreAsked.size(), 1);
        QCOMPARE(copies(f.recoveryFolder).size(), 1);
        QVERIFY(f.editor().steps().empty());
        f.closeWindow();

        f.show();
        f.prompts().restoreAnswers.push_back(RestoreAnswer::Discard);
        f.window().offerRecovery();
        QCOMPARE(f.prompts().restoreAsked.size(), 1);
        QVERIFY(copies(f.recoveryFolder).isEmpty());
        QVERIFY(locks(f.recoveryFolder).isEmpty());
        QVERIFY(f.editor().steps().empty());
        QVERIFY(!f.editor().modified());
    }

    // Several leftovers: the newest is offered first; once one is restored
    // the others wait for the next start.
    void newestFirstOneRestored()
    {
        WindowFixture f;
        QStringList paths;
        for (int i = 0; i < 2; ++i) {
            TfmScript& w = editedWindow(f);
            for (int k = 0; k <= i; ++k)
                choose(w, "miInsert");
            QVERIFY(w.recoveryCopy().writeNow());
            paths << w.recoveryCopy().filePath();
            f.destroyWindow();
        }
        QFile older(paths[0]);
        QVERIFY(older.open(QIODevice::ReadWrite));
        QVERIFY(older.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        older.close();

        TfmScript& w = f.show();
        f.prompts().restoreAnswers = {RestoreAnswer::Restore};
        w.offerRecovery();
        QCOMPARE(f.prompts().restoreAsked.size(), 1);
        QCOMPARE(w.editor().steps().size(), 6); // the newer one
        QVERIFY(QFile::exists(paths[0]));
        QVERIFY(!QFile::exists(paths[1]));
    }

    void aDamagedCopyIsToldOnceAndRemoved_data()
    {
        QTest::addColumn<QByteArray>("damage"); // "cut": the last byte taken off
        QTest::newRow("not a copy") << QByteArray("ROYL and then some");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("cut short") << QByteArray("cut");
        QTest::newRow("a byte changed") << QByteArray("flip");
    }
    void aDamagedCopyIsToldOnceAndRemoved()
    {
        QFETCH(QByteArray, damage);
        WindowFixture f;
        QVERIFY(editedWindow(f).recoveryCopy().writeNow());
        const QString path = f.window().recoveryCopy().filePath();
        f.destroyWindow();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        file.close();
        if (damage == "cut")
            bytes.chop(1);
        else if (damage == "flip")
            bytes[40] = char(bytes[40] ^ 0x01);
        else
            bytes = damage;
        f.write(QDir(f.recoveryFolder).relativeFilePath(path).prepend(QStringLiteral("data/")), bytes);

        f.show();
        f.window().offerRecovery();
        QCOMPARE(f.prompts().warnings,
                 QStringList({QStringLiteral("The unsaved script in \"%1\" cannot be restored and was removed. "
                                             "The file is damaged.")
                                  .arg(QDir::toNativeSeparators(path))}));
        QVERIFY(f.prompts().restoreAsked.isEmpty());
        QVERIFY(!QFile::exists(path));
        QVERIFY(f.editor().steps().empty());
        f.window().offerRecovery();
        QCOMPARE(f.prompts().warnings.size(), 1);
    }

    // A copy whose editor still runs is its own: another editor neither
    // offers nor touches it, and both keep their copies.
    void anotherRunningEditorsCopyIsLeftAlone()
    {
        WindowFixture first;
        TfmScript& a = editedWindow(first);
        QVERIFY(a.recoveryCopy().writeNow());
        WindowFixture second;
        second.recoveryFolder = first.recoveryFolder;
        TfmScript& b = editedWindow(second);
        b.offerRecovery();
        QVERIFY(second.prompts().restoreAsked.isEmpty());
        QVERIFY(b.recoveryCopy().writeNow());
        QCOMPARE(copies(first.recoveryFolder).size(), 2);
        QVERIFY(a.recoveryCopy().writeNow());
        QCOMPARE(stateOf(*readCopy(a.recoveryCopy().filePath())), stateOf(a.editor()));

        // The first one ends without closing: now it is a leftover. Restoring
        // it over unsaved edits asks about them first; Cancel keeps both.
        const pst::Bytes firstState = stateOf(a.editor());
        const pst::Bytes secondState = stateOf(b.editor());
        first.destroyWindow();
        second.prompts().restoreAnswers = {RestoreAnswer::Restore, RestoreAnswer::Restore};
        second.prompts().saveChangesAnswers = {pst::SaveChangesAnswer::Cancel, pst::SaveChangesAnswer::Discard};
        b.offerRecovery();
        QCOMPARE(second.prompts().restoreAsked.size(), 1);
        QCOMPARE(second.prompts().saveChangesAsked, 1);
        QCOMPARE(stateOf(b.editor()), secondState);
        QCOMPARE(copies(first.recoveryFolder).size(), 2);
        b.offerRecovery();
        QCOMPARE(second.prompts().saveChangesAsked, 2);
        QCOMPARE(stateOf(b.editor()), firstState);
        QCOMPARE(copies(first.recoveryFolder), QStringList({QFileInfo(b.recoveryCopy().filePath()).fileName()}));
    }

    void aFailedWriteIsToldOnce()
    {
        WindowFixture f;
        f.write(QStringLiteral("blocked"), "a file where the folder should be");
        f.recoveryFolder = f.path(QStringLiteral("blocked"));
        TfmScript& w = editedWindow(f);
        QVERIFY(!w.recoveryCopy().writeNow());
        QCOMPARE(f.prompts().warnings,
                 QStringList({QStringLiteral("Cannot write the recovery copy \"%1\". Cannot create the folder \"%2\"")
                                  .arg(QDir::toNativeSeparators(w.recoveryCopy().filePath()),
                                       QDir::toNativeSeparators(f.recoveryFolder))}));
        choose(w, "miInsert");
        QVERIFY(!w.recoveryCopy().writeNow());
        QCOMPARE(f.prompts().warnings.size(), 1);
        QVERIFY(w.editor().modified());
    }

    // While a command runs its state is half done: the copy waits for it.
    void notWrittenWhileACommandRuns()
    {
        WindowFixture f;
        f.recoveryInterval = 1ms;
        TfmScript& w = editedWindow(f);
        QTRY_COMPARE(copies(f.recoveryFolder).size(), 1);
        QVERIFY(QFile::remove(w.recoveryCopy().filePath()));
        bool writtenDuring = true;
        f.prompts().duringOpen = [&] {
            QTest::qWait(60);
            writtenDuring = !copies(f.recoveryFolder).isEmpty();
        };
        f.prompts().saveChangesAnswers.push_back(pst::SaveChangesAnswer::Discard);
        choose(w, "miInsert");
        f.prompts().openAnswers.push_back(QString()); // Load cancelled: still unsaved
        w.panel()->btRead->click();
        QVERIFY(!writtenDuring);
        QTRY_COMPARE(copies(f.recoveryFolder).size(), 1);
        QCOMPARE(stateOf(*readCopy(w.recoveryCopy().filePath())), stateOf(w.editor()));
    }
};

QTEST_MAIN(TestRecoveryCopy)
#include "tst_recoverycopy.moc"
