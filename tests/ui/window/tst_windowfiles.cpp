// The module files around the script: recent files on the Load button,
// kept across a restart; the loaded file changed on disk (asked before Save
// replaces it, offered again when the window comes to the front); and where
// the file dialogs start.

#include "WindowFixture.h"

#include "ui/session/DialogPrompts.h"
#include "ui/window/ModuleFileWatch.h"
#include "ui/window/RecentFiles.h"
#include "ui/window/RecentFilesMenu.h"

#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QMessageBox>

using pst::test::ModuleBuilder;

namespace {
ModuleBuilder steps(int n)
{
    ModuleBuilder b;
    for (int i = 0; i < n; ++i)
        b.step(static_cast<std::uint16_t>(0x10 + i));
    return b;
}

QStringList menuTexts(TfmScript& w)
{
    w.recentFilesMenu()->rebuild();
    QStringList out;
    for (QAction* a : w.recentFilesMenu()->menu()->actions())
        out << a->text() + (a->isEnabled() ? QString() : QStringLiteral(" [grey]"));
    return out;
}

QAction* menuItem(TfmScript& w, const QString& path)
{
    w.recentFilesMenu()->rebuild();
    for (QAction* a : w.recentFilesMenu()->menu()->actions())
        if (a->data().toString() == path)
            return a;
    return nullptr;
}

void save(WindowFixture& f, const QString& name)
{
    f.prompts().saveAnswers.push_back(f.path(name));
    f.panel().btWrite->click();
}
} // namespace

class TestWindowFiles : public QObject {
    Q_OBJECT

private slots:
    void recentFilesAreKeptNewestFirstAcrossARestart()
    {
        WindowFixture f;
        for (const char* name : {"a.rpm", "b.rpm"})
            f.writeModule(QLatin1String(name), steps(2));
        TfmScript& w = f.show();
        QCOMPARE(menuTexts(w), QStringList{QStringLiteral("No recent files [grey]")});
        f.load(QStringLiteral("a.rpm"));
        f.load(QStringLiteral("b.rpm"));
        save(f, QStringLiteral("c.rpm"));
        f.load(QStringLiteral("a.rpm"));
        const QString a = f.path(QStringLiteral("a.rpm"));
        const QString b = f.path(QStringLiteral("b.rpm"));
        const QString c = f.path(QStringLiteral("c.rpm"));
        QCOMPARE(menuTexts(w), (QStringList{a, c, b}));
        QVERIFY(w.recentFilesMenu()->button()->isVisible());

        f.closeWindow();
        QFile::remove(b);
        TfmScript& again = f.show();
        QCOMPARE(menuTexts(again), (QStringList{a, c, b + QStringLiteral("  (no longer exists) [grey]")}));

        // Choosing one loads it as Load would, unsaved edits asked about first.
        menuItem(again, a)->trigger();
        QCOMPARE(f.editor().steps().size(), 2);
        choose(again, "miInsert");
        f.prompts().saveChangesAnswers = {pst::SaveChangesAnswer::Cancel};
        menuItem(again, c)->trigger();
        QCOMPARE(f.prompts().saveChangesAsked, 1);
        QCOMPARE(f.editor().steps().size(), 3);
        QCOMPARE(QString::fromStdString(f.editor().moduleFile()->path()), a);
        menuItem(again, c)->trigger(); // Discard
        QCOMPARE(f.editor().steps().size(), 2);
        QCOMPARE(QString::fromStdString(f.editor().moduleFile()->path()), c);
        QVERIFY(f.prompts().opened.empty()); // no dialog shown
        QCOMPARE(menuTexts(again).front(), c);
    }

    void keepsTheLastTen()
    {
        WindowFixture f;
        RecentFiles recent([&f] { return std::make_unique<QSettings>(f.settingsFile(), QSettings::IniFormat); });
        for (int i = 0; i < 12; ++i)
            recent.add(f.path(QStringLiteral("m%1.rpm").arg(i)));
        recent.add(f.path(QStringLiteral("m5.rpm")));
        const QStringList files = recent.files();
        QCOMPARE(files.size(), RecentFiles::kMaxFiles);
        QCOMPARE(files.front(), f.path(QStringLiteral("m5.rpm")));
        QCOMPARE(files.at(1), f.path(QStringLiteral("m11.rpm")));
        QCOMPARE(files.count(f.path(QStringLiteral("m5.rpm"))), 1);
        QCOMPARE(files.back(), f.path(QStringLiteral("m2.rpm")));
    }

    void saveAsksBeforeReplacingAFileChangedOnDisk()
    {
        WindowFixture f;
        f.writeModule(QStringLiteral("a.rpm"), steps(2));
        f.show();
        f.load(QStringLiteral("a.rpm"));
        f.writeModule(QStringLiteral("a.rpm"), steps(5)); // someone else's
        const QByteArray theirs = f.read(QStringLiteral("a.rpm"));

        f.prompts().replaceAnswers = {false};
        save(f, QStringLiteral("a.rpm"));
        QCOMPARE(f.prompts().replaceAsked, QStringList{f.path(QStringLiteral("a.rpm"))});
        QCOMPARE(f.read(QStringLiteral("a.rpm")), theirs);
        QVERIFY(f.prompts().errors.isEmpty());

        f.prompts().replaceAnswers = {true};
        save(f, QStringLiteral("a.rpm"));
        QCOMPARE(f.prompts().replaceAsked.size(), 2);
        QVERIFY(f.read(QStringLiteral("a.rpm")) != theirs);
        QVERIFY(!f.editor().modified());
        save(f, QStringLiteral("a.rpm")); // ours now: nothing asked
        QCOMPARE(f.prompts().replaceAsked.size(), 2);
    }

    void theRealQuestionSaysWhichFileAndOffersReplaceOrCancel()
    {
        DialogPrompts prompts;
        QString text;
        QStringList buttons;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            text = box->text();
            for (QAbstractButton* b : box->buttons())
                buttons << b->text();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QVERIFY(!prompts.askReplaceChangedFile(QStringLiteral("/mods/a.rpm")));
        QCOMPARE(text, QStringLiteral("/mods/a.rpm changed on disk since it was loaded. Replace it?"));
        buttons.sort();
        QCOMPARE(buttons, (QStringList{QStringLiteral("Cancel"), QStringLiteral("Replace")}));
    }

    void offersToLoadAgainWhenTheWindowComesToTheFront()
    {
        WindowFixture f;
        f.writeModule(QStringLiteral("a.rpm"), steps(2));
        TfmScript& w = f.show();
        f.load(QStringLiteral("a.rpm"));
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&w, &activate);
        QCoreApplication::processEvents();
        QVERIFY(f.prompts().reloadAsked.isEmpty());

        f.writeModule(QStringLiteral("a.rpm"), steps(3));
        f.prompts().reloadAnswers = {false};
        QCoreApplication::sendEvent(&w, &activate);
        QTRY_COMPARE(f.prompts().reloadAsked, QStringList{f.path(QStringLiteral("a.rpm"))});
        QCOMPARE(f.editor().steps().size(), 2);
        w.moduleFileWatch()->check(); // declined: not again for this version
        QCOMPARE(f.prompts().reloadAsked.size(), 1);

        f.writeModule(QStringLiteral("a.rpm"), steps(4));
        f.prompts().reloadAnswers = {true};
        w.moduleFileWatch()->check();
        QCOMPARE(f.prompts().reloadAsked.size(), 2);
        QCOMPARE(f.editor().steps().size(), 4);
        QVERIFY(!f.editor().modified());

        // Unsaved edits are not thrown away for it.
        choose(w, "miInsert");
        f.writeModule(QStringLiteral("a.rpm"), steps(1));
        w.moduleFileWatch()->check();
        QCOMPARE(f.prompts().reloadAsked.size(), 2);
    }

    void dialogsStartWhereTheUserWorks()
    {
        WindowFixture f;
        f.writeModule(QStringLiteral("work/a.rpm"), steps(2));
        f.show();
        f.prompts().openAnswers.push_back(QString()); // cancelled
        f.panel().btRead->click();
        QCOMPARE(f.prompts().opened.back().startFolder, QDir::homePath());
        f.load(QStringLiteral("work/a.rpm"));
        QCOMPARE(f.prompts().opened.back().startFolder, QString()); // where it was left
        const QString work = f.path(QStringLiteral("work"));
        f.prompts().openAnswers.push_back(QString());
        f.panel().btRead->click();
        QCOMPARE(f.prompts().opened.back().startFolder, work);
        QVERIFY(QDir().mkpath(f.path(QStringLiteral("out"))));
        save(f, QStringLiteral("out/b.rpm"));
        QCOMPARE(f.prompts().saved.back().startFolder, work);
        QCOMPARE(f.prompts().saved.back().fileName, QStringLiteral("~id28.rpm"));

        // After a restart: the folder of the newest recent file.
        f.closeWindow();
        f.show();
        f.prompts().openAnswers.push_back(QString());
        f.panel().btRead->click();
        QCOMPARE(f.prompts().opened.back().startFolder, f.path(QStringLiteral("out")));
    }
};

QTEST_MAIN(TestWindowFiles)
#include "tst_windowfiles.moc"
