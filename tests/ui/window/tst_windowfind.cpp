// Finding steps with the find bar (Ctrl+F, Enter, F3, Shift+F3, Escape),
// and the warning mark on rows whose links point outside the script.

#include "WindowFixture.h"

#include "model/ScriptCheck.h"
#include "ui/steplist/FindBar.h"

#include <QtWidgets/QLabel>

using pst::test::ModuleBuilder;

namespace {
// 10 "Set up drive", 11 "Dummy step", 12 "Write DC pattern", DC, 11.
TfmScript& openScript(WindowFixture& f)
{
    f.write(QStringLiteral("bin/ModDescr.ini"), "[Desc]\n10=Set up drive\n11=Dummy step\n12=Write DC pattern\n");
    f.writeModule(QStringLiteral("m.rpm"), ModuleBuilder().step(0x10).step(0x11).step(0x12).step(0xDC).step(0x11));
    TfmScript& w = f.show();
    f.load(QStringLiteral("m.rpm"));
    return w;
}

QList<int> highlightedRows(TfmScript& w)
{
    QList<int> rows;
    for (int r = 0; r < w.stepModel().rowCount(); ++r)
        if (w.stepModel().index(r, 1).data(Qt::BackgroundRole).isValid())
            rows << r;
    return rows;
}
} // namespace

class TestWindowFind : public QObject {
    Q_OBJECT

private slots:
    void findsWithTheKeysAndWrapsWithANote()
    {
        WindowFixture f;
        TfmScript& w = openScript(f);
        FindBar* bar = w.findBar();
        QVERIFY(bar->isHidden());
        w.heScript()->setFocus();
        QTest::keyClick(w.heScript(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(bar->isVisible());
        QCOMPARE(QApplication::focusWidget(), bar->edit());

        QTest::keyClicks(bar->edit(), QStringLiteral("dummy"));
        QCOMPARE(highlightedRows(w), (QList<int>{1, 4}));
        QTest::keyClick(bar->edit(), Qt::Key_Return);
        QCOMPARE(w.editor().steps().selected(), 1);
        QCOMPARE(w.lvScript()->selectedRow(), 1);
        QCOMPARE(f.title(), QStringLiteral("Self Scan Script - 28 - Step: 2 (2h)"));
        QTest::keyClick(bar->edit(), Qt::Key_F3);
        QCOMPARE(w.editor().steps().selected(), 4);
        QCOMPARE(bar->note(), QString());
        QTest::keyClick(bar->edit(), Qt::Key_F3);
        QCOMPARE(w.editor().steps().selected(), 1);
        QCOMPARE(bar->note(), QStringLiteral("Passed the last step, went on from the first"));
        QTest::keyClick(bar->edit(), Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(w.editor().steps().selected(), 4);
        QCOMPARE(bar->note(), QStringLiteral("Passed the first step, went on from the last"));

        // An id as the ID column shows it, and the same text in a description.
        bar->edit()->setText(QStringLiteral("dc"));
        QCOMPARE(highlightedRows(w), (QList<int>{2, 3}));
        QTest::keyClick(bar->edit(), Qt::Key_Return);
        QCOMPARE(w.editor().steps().selected(), 2);
        bar->edit()->setText(QStringLiteral("nothing like it"));
        QTest::keyClick(bar->edit(), Qt::Key_Return);
        QCOMPARE(w.editor().steps().selected(), 2);
        QCOMPARE(bar->note(), QStringLiteral("No step matches"));

        // Escape: the bar goes, with its highlight; the list has the focus.
        QTest::keyClick(bar->edit(), Qt::Key_Escape);
        QVERIFY(bar->isHidden());
        QCOMPARE(QApplication::focusWidget(), w.lvScript());
        QCOMPARE(highlightedRows(w), QList<int>{});
        // F3 in the list opens the bar again and goes on with the query.
        bar->edit()->setText(QStringLiteral("11"));
        QTest::keyClick(w.lvScript(), Qt::Key_F3);
        QVERIFY(bar->isVisible());
        QCOMPARE(w.editor().steps().selected(), 4);
    }

    // Exactly the rows the link check reports carry the mark, explained first
    // in their tooltips; the ID column keeps its result icon.
    void marksTheRowsTheLinkCheckReports()
    {
        WindowFixture f;
        ModuleBuilder b;
        pst::StepRecord second = b.record(0x11, 0);
        second.setLink(1, 9);
        pst::StepRecord third = b.record(0x12);
        third.setLink(0, 0); // leads nowhere, but is no finding
        f.writeModule(QStringLiteral("m.rpm"), b.step(0x10).step(second).step(third));
        TfmScript& w = f.show();
        f.load(QStringLiteral("m.rpm"));

        const StepListModel& m = w.stepModel();
        for (int r = 0; r < m.rowCount(); ++r) {
            const bool reported = !pst::rowLinkFindings(w.editor().steps(), r).empty();
            QCOMPARE(m.index(r, StepListModel::DescriptionColumn).data(Qt::DecorationRole).isValid(), reported);
        }
        QVERIFY(m.index(1, StepListModel::DescriptionColumn).data(Qt::DecorationRole).isValid());
        QCOMPARE(m.index(1, StepListModel::IdColumn).data(StepListModel::IconIndexRole).toInt(), 1);
        QVERIFY(m.index(1, 0).data(Qt::ToolTipRole).toString().startsWith(
            QStringLiteral("Warning: step 2: GOTO_ON_ERR = 9 points past the end (3 steps)\nGOTO_ON_SUCCES")));
        QCOMPARE(m.index(2, 0).data(Qt::ToolTipRole).toString().startsWith(QStringLiteral("Warning")), false);

        // The link mended in the hex view: the mark goes.
        w.lvScript()->showSelectedRow(1);
        w.session().run([&] { w.editor().writeRecordBytes(pst::field::GOTO_ON_ERR, pst::Bytes{3, 0}); });
        QVERIFY(pst::linkFindings(w.editor().steps()).empty());
        QVERIFY(!m.index(1, StepListModel::DescriptionColumn).data(Qt::DecorationRole).isValid());
    }
};

QTEST_MAIN(TestWindowFind)
#include "tst_windowfind.moc"
