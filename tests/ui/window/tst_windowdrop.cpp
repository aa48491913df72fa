// Files dropped on the window: a module replaces the script, any other file
// is imported as step text into the template module "ID0028" that the
// window carries; only the first file of a drop counts, a folder does
// nothing. Also the template resource itself.

#include "WindowFixture.h"

#include "catalogs/IniFile.h"
#include "model/ModuleImage.h"
#include "model/ScriptParser.h"
#include "model/TemplateModule.h"
#include "ui/window/DroppedFiles.h"

#include <QtCore/QMimeData>
#include <QtCore/QUrl>
#include <QtGui/QDropEvent>

using pst::test::ModuleBuilder;

namespace {
// Sends a drag over the window and the drop, as the desktop does, then lets
// the queued drop command run.
bool dropOn(TfmScript& w, const QStringList& paths)
{
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& p : paths)
        urls << QUrl::fromLocalFile(p);
    mime.setUrls(urls);
    const QPointF at(100, 100);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted();
}

QStringList captions(TfmScript& w)
{
    QStringList out;
    for (const pst::StepRow& row : w.editor().steps().rows())
        out << QString::fromStdString(row.caption);
    return out;
}

ModuleBuilder module(std::initializer_list<std::uint16_t> ids)
{
    ModuleBuilder b;
    for (std::uint16_t id : ids)
        b.step(id);
    return b;
}
} // namespace

class TestWindowDrop : public QObject {
    Q_OBJECT

private slots:
    void aModuleReplacesTheScript()
    {
        WindowFixture f;
        f.writeModule(QStringLiteral("a.rpm"), module({0x10, 0x11}));
        f.writeModule(QStringLiteral("b.rpm"), module({0xDC, 0xBB, 0xF7}).moduleId(0x3B));
        TfmScript& w = f.show();
        f.load(QStringLiteral("a.rpm"));
        f.panel().cbModId->setEditText(QStringLiteral("3D"));
        QVERIFY(dropOn(w, {f.path(QStringLiteral("b.rpm"))}));
        QCOMPARE(captions(w), QStringList({"DC", "BB", "F7"}));
        QCOMPARE(f.title(), QStringLiteral("Self Scan Script - 3D - All: 3, Cur: 1, PTM Start Time:00:00:00"));
        QCOMPARE(f.panel().cbModId->currentText(), QStringLiteral("3D"));
        QVERIFY(w.lvScript()->hasFocus());
        QVERIFY(f.prompts().errors.isEmpty());
    }

    void aTextFileBecomesSteps()
    {
        WindowFixture f;
        f.write(QStringLiteral("bin/ModDescr.ini"), "[Desc]\nDC=Dummy\n");
        f.write(QStringLiteral("steps.txt"), "DC,1,F\r\n* a remark, DC,2\r\n\r\n\"C3\" 2 45\n");
        TfmScript& w = f.show();
        QVERIFY(dropOn(w, {f.path(QStringLiteral("steps.txt"))}));
        QCOMPARE(captions(w), QStringList({"DC", "C3"}));
        const pst::StepRecord& first = w.editor().steps().row(0).record;
        QCOMPARE(first.testArg(), 1);
        QCOMPARE(first.param(1), 0xFu);
        QCOMPARE(w.editor().steps().row(1).record.param(1), 0x45u);
        QCOMPARE(w.editor().recordSize(), 136);
        QCOMPARE(w.editor().maxStepCount(), 256);
        // The last imported step is selected and shown.
        QCOMPARE(f.title(), QStringLiteral("Self Scan Script - 28 - Step: 2 (2h)"));
        QCOMPARE(f.hexBytes(), bytesOf(w.editor().steps().row(1).record));
        QCOMPARE(w.stepModel().index(1, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
    }

    void onlyTheFirstFileCounts()
    {
        WindowFixture f;
        f.writeModule(QStringLiteral("a.rpm"), module({0xA1}));
        f.writeModule(QStringLiteral("b.rpm"), module({0xB1, 0xB2}));
        f.write(QStringLiteral("c.txt"), "DC\n");
        TfmScript& w = f.show();
        QVERIFY(dropOn(w, {f.path(QStringLiteral("a.rpm")), f.path(QStringLiteral("b.rpm")),
                           f.path(QStringLiteral("c.txt"))}));
        QCOMPARE(captions(w), QStringList({"A1"}));
    }

    void aFolderOrAMissingFileDoesNothing()
    {
        WindowFixture f;
        f.writeModule(QStringLiteral("a.rpm"), module({0xA1}));
        QDir().mkpath(f.path(QStringLiteral("folder")));
        TfmScript& w = f.show();
        f.load(QStringLiteral("a.rpm"));
        const QString title = f.title();
        dropOn(w, {f.path(QStringLiteral("folder")), f.path(QStringLiteral("a.rpm"))});
        dropOn(w, {f.path(QStringLiteral("missing.txt"))});
        QCOMPARE(captions(w), QStringList({"A1"}));
        QCOMPARE(f.title(), title);
        QVERIFY(f.prompts().errors.isEmpty());
    }

    // While a command runs (a generator's copy loop, a checksum) the drag is
    // refused, so the cursor says so, also one that entered before; after
    // the command the same drop is taken.
    void aDragIsRefusedWhileACommandRuns()
    {
        WindowFixture f;
        f.writeModule(QStringLiteral("a.rpm"), module({0xA1}));
        TfmScript& w = f.show();
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(f.path(QStringLiteral("a.rpm")))});
        const QPoint at(100, 100);
        QDragEnterEvent before(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &before);
        QVERIFY(before.isAccepted());
        QList<bool> taken;
        QVERIFY(w.editor().run([&] {
            QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            for (QDropEvent* event : {static_cast<QDropEvent*>(&move), &drop, static_cast<QDropEvent*>(&enter)}) {
                event->accept(); // as the drag was taken so far
                QCoreApplication::sendEvent(&w, event);
                taken << event->isAccepted();
            }
        }));
        QCOMPARE(taken, QList<bool>({false, false, false}));
        QCoreApplication::processEvents();
        QCOMPARE(w.editor().steps().size(), 0);
        QVERIFY(dropOn(w, {f.path(QStringLiteral("a.rpm"))}));
        QCOMPARE(captions(w), QStringList({"A1"}));
    }

    void aShortFileIsAnError()
    {
        WindowFixture f;
        f.write(QStringLiteral("short.txt"), "DC");
        TfmScript& w = f.show();
        dropOn(w, {f.path(QStringLiteral("short.txt"))});
        QCOMPARE(f.prompts().errors, QStringList({"Stream read error"}));
        QCOMPARE(w.editor().image().size(), std::size_t(0));
    }

    void withoutTheTemplateResourceNothingChanges()
    {
        WindowFixture f;
        f.writeModule(QStringLiteral("a.rpm"), module({0xA1}));
        f.write(QStringLiteral("steps.txt"), "DC,1\n");
        TfmScript& w = f.show();
        f.load(QStringLiteral("a.rpm"));
        w.host().setResourcePrefix(QStringLiteral(":/nowhere/"));
        dropOn(w, {f.path(QStringLiteral("steps.txt"))});
        QCOMPARE(f.prompts().errors, QStringList({"Resource ID0028 not found"}));
        QCOMPARE(captions(w), QStringList({"A1"}));
    }

    // The resource is the module built in code: a ROYL module 28 with an
    // empty step table and room for 256 steps of 136 bytes.
    void theTemplateResource()
    {
        WindowFixture f;
        f.open();
        QFile file(QStringLiteral(":/ID0028"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), 56 + 256 * 136);
        const pst::Bytes built = pst::BuildTemplateModule();
        QVERIFY(std::equal(built.begin(), built.end(), bytes.begin(), bytes.end(),
                           [](pst::Byte a, char b) { return a == static_cast<pst::Byte>(b); }));
        QCOMPARE(bytes.left(4), QByteArray("ROYL"));
        const pst::ModuleImage image(pst::Bytes(bytes.begin(), bytes.end()));
        const pst::ParsedScript parsed = pst::parseScriptImage(image, pst::IniFile());
        QCOMPARE(parsed.rows.size(), std::size_t(0));
        QCOMPARE(parsed.recordSize, 136);
        QCOMPARE(parsed.maxStepCount, 256);
        QCOMPARE(parsed.header.ptmStartTime, 0u);
    }

    // Dragged files pass through every control to the window, so a drop
    // anywhere counts; no text box takes the path as text.
    void everyControlLeavesDropsToTheWindow()
    {
        WindowFixture f;
        TfmScript& w = f.open();
        QVERIFY(w.acceptDrops());
        for (const QLineEdit* edit : w.findChildren<QLineEdit*>())
            QVERIFY2(!edit->acceptDrops(), qPrintable(edit->parentWidget()->objectName()));
        QVERIFY(!w.lvScript()->viewport()->acceptDrops());
        QVERIFY(!w.heScript()->viewport()->acceptDrops());
    }

    void pathsOfADrop()
    {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(QStringLiteral("/data/a b/\u00E9.rpm")), QUrl(QStringLiteral("https://x/y")),
                      QUrl::fromLocalFile(QStringLiteral("/data/second.txt"))});
        const std::vector<std::string> paths = droppedPaths(mime);
        QCOMPARE(paths.size(), std::size_t(2));
        QCOMPARE(QString::fromStdString(paths[0]), QStringLiteral("/data/a b/\u00E9.rpm"));
        QCOMPARE(paths[1], std::string("/data/second.txt"));
        QMimeData text;
        text.setText(QStringLiteral("DC,1"));
        QVERIFY(droppedPaths(text).empty());
    }
};

QTEST_MAIN(TestWindowDrop)
#include "tst_windowdrop.moc"
