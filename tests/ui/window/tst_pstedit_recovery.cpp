// The built pstedit killed with unsaved edits: its recovery copy survives,
// a second editor running meanwhile leaves it alone, and the next start
// offers it and brings the script back byte for byte. Each run has its own
// home and data folder and is driven by the diagnostic options.

#include "WindowFixture.h"

#include "model/EditorSnapshot.h"
#include "ui/window/EditorCommandLine.h"

#include <QtCore/QDateTime>
#include <QtCore/QLocale>
#include <QtCore/QProcess>

namespace {
QProcessEnvironment isolated(const QString& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

void start(QProcess& p, const QString& home, const QStringList& args)
{
    p.setProcessEnvironment(isolated(home));
    p.start(QStringLiteral(PSTEDIT_PATH), args);
}

// Runs to its end; the status, or -1 when it did not end in time.
int runToEnd(QProcess& p, const QString& home, const QStringList& args)
{
    start(p, home, args);
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return -1;
    }
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QStringList entries(const QString& folder, const QString& pattern)
{
    return QDir(folder).entryList({pattern}, QDir::Files);
}
} // namespace

class TestPsteditRecovery : public QObject {
    Q_OBJECT

private slots:
    void diagnosticOptions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("error"); // empty: accepted
        QTest::newRow("all") << QStringList{"--diagnostic-answers=save,discard,cancel,restore,later",
                                            "--diagnostic-recovery-ms=100", "--diagnostic-insert",
                                            "--diagnostic-dump=out.state", "m.rpm"}
                             << "";
        QTest::newRow("no answers at all") << QStringList{"--diagnostic-answers="} << "";
        QTest::newRow("unknown answer") << QStringList{"--diagnostic-answers=yes"}
                                        << "invalid argument 'yes' for '--diagnostic-answers'";
        QTest::newRow("no wait") << QStringList{"--diagnostic-recovery-ms=0"}
                                 << "invalid argument '0' for '--diagnostic-recovery-ms'";
        QTest::newRow("not a number") << QStringList{"--diagnostic-recovery-ms=1s"}
                                      << "invalid argument '1s' for '--diagnostic-recovery-ms'";
        QTest::newRow("insert takes nothing") << QStringList{"--diagnostic-insert=2"}
                                              << "unrecognized option '--diagnostic-insert=2'";
        QTest::newRow("dump without a file") << QStringList{"--diagnostic-dump="}
                                             << "unrecognized option '--diagnostic-dump='";
        QTest::newRow("unknown") << QStringList{"--diagnostic-crash"} << "unrecognized option '--diagnostic-crash'";
    }
    void diagnosticOptions()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, error);
        const ParsedCommandLine parsed = parseEditorCommandLine(args);
        if (!error.isEmpty()) {
            QVERIFY(parsed.exit);
            QCOMPARE(parsed.exit->text.section(QLatin1Char('\n'), 0, 0), QStringLiteral("pstedit: ") + error);
            QCOMPARE(parsed.exit->status, kUsageStatus);
            return;
        }
        QVERIFY(!parsed.exit);
        QVERIFY(parsed.options.diagnostics.answers);
        if (args.size() > 1) {
            const EditorDiagnostics& d = parsed.options.diagnostics;
            QCOMPARE(d.answers->size(), 5);
            QCOMPARE(d.recoveryMs.value_or(0), 100);
            QVERIFY(d.insertStep);
            QCOMPARE(d.dumpPath.value_or(QString()), QStringLiteral("out.state"));
            QCOMPARE(parsed.options.file.value_or(QString()), QStringLiteral("m.rpm"));
        }
        QVERIFY(!editorHelpText().contains(QLatin1String("diagnostic")));
    }

    void killedWhileUnsavedIsRestoredExactly()
    {
        WindowFixture f;
        f.writeModule(QStringLiteral("m.rpm"), pst::test::ModuleBuilder().step(0x10, 0).step(0x11, 1).step(0xDC));
        const QString home = f.path(QStringLiteral("home"));
        const QString data = home + QStringLiteral("/data/pstedit");
        const QString edited = f.path(QStringLiteral("edited.state"));
        const QString restored = f.path(QStringLiteral("restored.state"));

        // Loads m.rpm, inserts a step and waits: killed once its copy is on disk.
        QProcess first;
        start(first, home,
              {QStringLiteral("--diagnostic-answers="), QStringLiteral("--diagnostic-recovery-ms=100"),
               QStringLiteral("--diagnostic-insert"), QStringLiteral("--diagnostic-dump=") + edited,
               f.path(QStringLiteral("m.rpm"))});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(edited) && entries(data, QStringLiteral("*.recovery")).size() == 1,
                                 30000);
        const QString copy = QDir(data).filePath(entries(data, QStringLiteral("*.recovery")).front());

        // Another editor started meanwhile: the copy is not its to offer.
        QProcess second;
        QCOMPARE(runToEnd(second, home, {QStringLiteral("--diagnostic-answers=restore"),
                                         QStringLiteral("--quit-after-first-paint")}),
                 0);
        QCOMPARE(QString::fromUtf8(second.readAllStandardOutput()), QString());
        QVERIFY(QFile::exists(copy));

        first.kill(); // SIGKILL: no close, no clean-up
        QVERIFY(first.waitForFinished(30000));
        QCOMPARE(first.exitStatus(), QProcess::CrashExit);
        QVERIFY(QFile::exists(copy));
        QFile copyFile(copy);
        QVERIFY(copyFile.open(QIODevice::ReadOnly));
        const QByteArray copyBytes = copyFile.readAll();
        const std::optional<pst::EditorSnapshot> snapshot = pst::decodeSnapshot(pst::ByteView(
            reinterpret_cast<const pst::Byte*>(copyBytes.constData()), static_cast<std::size_t>(copyBytes.size())));
        QVERIFY(snapshot);
        QCOMPARE(snapshot->rows.size(), std::size_t(4));

        // Started again: asked, restored, still unsaved (the close asks), then discarded.
        QProcess third;
        QCOMPARE(runToEnd(third, home,
                          {QStringLiteral("--diagnostic-answers=restore,discard"),
                           QStringLiteral("--diagnostic-dump=") + restored,
                           QStringLiteral("--quit-after-first-paint")}),
                 0);
        const QString savedAt =
            QLocale().toString(QDateTime::fromSecsSinceEpoch(snapshot->savedAtSeconds), QLocale::ShortFormat);
        QCOMPARE(QString::fromUtf8(third.readAllStandardOutput()),
                 QStringLiteral("Restore the unsaved script from %1? -> restore\n"
                                "Save changes to the script? -> discard\n")
                     .arg(savedAt));
        QCOMPARE(f.read(QStringLiteral("restored.state")), f.read(QStringLiteral("edited.state")));
        QVERIFY(!f.read(QStringLiteral("edited.state")).isEmpty());
        // Discarded and closed: nothing is left behind.
        QCOMPARE(entries(data, QStringLiteral("*.recovery")), QStringList());
        QCOMPARE(entries(data, QStringLiteral("*.lock")), QStringList());
    }
};

QTEST_MAIN(TestPsteditRecovery)
#include "tst_pstedit_recovery.moc"
