// pstedit's command line, in process and as the built program: --help and
// --version without a display, usage errors, a module named on the command
// line loaded as Load would, and the quit after the first paint. Also the
// file dialog filters in Qt's form.

#include "WindowFixture.h"

#include "ui/session/FileFilter.h"
#include "ui/window/EditorCommandLine.h"

#include <QtCore/QProcess>
#include <sys/stat.h>

namespace {
struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run runPstedit(const QStringList& args, const QString& home, bool withDisplay = true)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
    env.insert(QStringLiteral("HOME"), home);
    if (withDisplay) {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    } else {
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    }
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(PSTEDIT_PATH), args);
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}
} // namespace

class TestPstedit : public QObject {
    Q_OBJECT

private slots:
    void parsing_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("quit");
        QTest::addColumn<QString>("error"); // empty: accepted
        QTest::newRow("nothing") << QStringList{} << "" << false << "";
        QTest::newRow("a file") << QStringList{"m.rpm"} << "m.rpm" << false << "";
        QTest::newRow("quit, then a file") << QStringList{"--quit-after-first-paint", "m.rpm"} << "m.rpm" << true << "";
        QTest::newRow("a file named like an option") << QStringList{"--", "--odd.rpm"} << "--odd.rpm" << false << "";
        QTest::newRow("a lone dash is a file") << QStringList{"-"} << "-" << false << "";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << "" << false
                                        << "pstedit: unrecognized option '--bogus'\n"
                                           "Try 'pstedit --help' for more information.\n";
        QTest::newRow("two files") << QStringList{"a.rpm", "b.rpm"} << "" << false
                                   << "pstedit: extra operand 'b.rpm'\nTry 'pstedit --help' for more information.\n";
    }
    void parsing()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, file);
        QFETCH(bool, quit);
        QFETCH(QString, error);
        const ParsedCommandLine parsed = parseEditorCommandLine(args);
        if (!error.isEmpty()) {
            QVERIFY(parsed.exit);
            QCOMPARE(parsed.exit->text, error);
            QCOMPARE(parsed.exit->status, kUsageStatus);
            QVERIFY(parsed.exit->toStandardError);
            return;
        }
        QVERIFY(!parsed.exit);
        QCOMPARE(parsed.options.file.value_or(QString()), file);
        QCOMPARE(parsed.options.quitAfterFirstPaint, quit);
    }

    void informationWithoutADisplay()
    {
        QTemporaryDir home;
        const Run version = runPstedit({QStringLiteral("--version")}, home.path(), false);
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, editorVersionText());
        QVERIFY(version.out.startsWith(QStringLiteral("pstedit %1\n").arg(QLatin1String(PST_VERSION))));
        QVERIFY(version.out.contains(QStringLiteral("NO WARRANTY")));
        const Run help = runPstedit({QStringLiteral("m.rpm"), QStringLiteral("--help")}, home.path(), false);
        QCOMPARE(help.status, 0);
        QCOMPARE(help.out, editorHelpText());
        QVERIFY(help.out.startsWith(QStringLiteral("Usage: pstedit [OPTION]... [FILE]\n")));
        for (const QString& line : help.out.split(QLatin1Char('\n')))
            QVERIFY2(line.size() <= 79, qPrintable(line)); // fits a terminal
        QVERIFY(help.err.isEmpty());
        // After "--" it is a file name.
        QVERIFY(!informationRequest({QStringLiteral("--"), QStringLiteral("--help")}));
    }

    void usageErrorsExitWithTwo()
    {
        QTemporaryDir home;
        const Run r = runPstedit({QStringLiteral("--nope")}, home.path());
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.endsWith(QStringLiteral("pstedit: unrecognized option '--nope'\n"
                                              "Try 'pstedit --help' for more information.\n")));
    }

    void quitsAfterTheFirstPaintWithAModuleLoaded()
    {
        WindowFixture f;
        f.writeModule(QStringLiteral("m.rpm"), pst::test::ModuleBuilder().step(0xDC));
        const Run r = runPstedit({QStringLiteral("--quit-after-first-paint"), f.path(QStringLiteral("m.rpm"))},
                                 f.path(QStringLiteral("home")));
        QCOMPARE(r.status, 0);
        // The window was shown and closed: its place is stored under the program's name.
        QVERIFY(QFile::exists(f.path(QStringLiteral("home/pstedit.conf"))));
    }

    void aFileOnTheCommandLineLoadsAsLoadDoes()
    {
        WindowFixture f;
        f.writeModule(QStringLiteral("m.rpm"), pst::test::ModuleBuilder().step(0xDC).step(0xBB));
        TfmScript& w = f.show();
        w.loadFile(f.path(QStringLiteral("m.rpm")));
        QCOMPARE(w.editor().steps().size(), 2);
        QCOMPARE(f.title(), QStringLiteral("Self Scan Script - 28 - All: 2, Cur: 1, PTM Start Time:00:00:00"));
        QVERIFY(f.prompts().opened.empty()); // no dialog shown
        QVERIFY(!w.editor().modified());
        // The next Load asks again.
        w.panel()->btRead->click();
        QCOMPARE(f.prompts().opened.size(), std::size_t(1));
        QCOMPARE(w.editor().steps().size(), 2);

        w.loadFile(f.path(QStringLiteral("missing.rpm")));
        QCOMPARE(f.prompts().errors.size(), 1);
        QVERIFY(f.prompts().errors.front().startsWith(QStringLiteral("Cannot open file \"")));
        QCOMPARE(w.editor().steps().size(), 2);

        // A pipe that nobody writes to is refused at once, not waited on.
        const QString fifo = f.path(QStringLiteral("fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        w.loadFile(fifo);
        QCOMPARE(f.prompts().errors.size(), 2);
        QCOMPARE(f.prompts().errors.back(), QStringLiteral("Cannot open file \"%1\". Not a regular file").arg(fifo));
        QCOMPARE(w.editor().steps().size(), 2);
    }

    void fileFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        QTest::newRow("module") << "Module 28|*28*.rpm|All|*.*" << "Module 28 (*28*.rpm);;All (*)";
        QTest::newRow("all only") << "All|*.*" << "All (*)";
        QTest::newRow("several patterns") << "Text|*.ini;*.txt" << "Text (*.ini *.txt)";
        QTest::newRow("name without pattern") << "Odd" << "Odd (*)";
        QTest::newRow("empty") << "" << "";
    }
    void fileFilters()
    {
        QFETCH(QString, filter);
        QFETCH(QString, qt);
        const QByteArray utf8 = filter.toUtf8();
        QCOMPARE(qtFileFilter(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size()))), qt);
    }
};

QTEST_MAIN(TestPstedit)
#include "tst_pstedit.moc"
