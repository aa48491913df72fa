// What follows the selected step: the window title on load, selection and
// deselection, and the refresh of the hex view, the custom test box and the
// status line; edits in the hex view going back into the record.

#include "WindowFixture.h"

#include <QtGui/QAction>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QMenu>

using pst::ModuleLayout;
using pst::test::ModuleBuilder;

namespace {
ModuleBuilder steps(int n, ModuleLayout layout = ModuleLayout::Royl)
{
    ModuleBuilder b(layout);
    for (int i = 0; i < n; ++i) {
        pst::StepRecord r = b.record(static_cast<std::uint16_t>(0x10 + i), static_cast<std::uint16_t>(0x1230 + i));
        r.setLinks(static_cast<std::uint16_t>(i + 2));
        b.step(r);
    }
    return b;
}

void clickRow(TfmScript& w, int row)
{
    const QRect r = w.lvScript()->visualRect(w.stepModel().index(row, 0));
    QTest::mouseClick(w.lvScript()->viewport(), Qt::LeftButton, {}, r.center());
}

void clickBelowRows(TfmScript& w)
{
    const int last = w.stepModel().rowCount() - 1;
    const QRect r = w.lvScript()->visualRect(w.stepModel().index(last, 0));
    QTest::mouseClick(w.lvScript()->viewport(), Qt::LeftButton, {}, QPoint(20, r.bottom() + 10));
}

const pst::StepRecord& record(TfmScript& w, int row) { return w.editor().steps().row(row).record; }
} // namespace

class TestWindowRefresh : public QObject {
    Q_OBJECT

private slots:
    void titles()
    {
        WindowFixture f;
        f.writeModule(QStringLiteral("m.rpm"), steps(12).currentStep(3).ptmStartTime(3723));
        TfmScript& w = f.show();
        f.load(QStringLiteral("m.rpm"));
        QCOMPARE(f.title(), QStringLiteral("Self Scan Script - 28 - All: C, Cur: 3, PTM Start Time:01:02:03"));
        QCOMPARE(w.lvScript()->selectedRow(), 2);

        clickRow(w, 9);
        QCOMPARE(f.title(), QStringLiteral("Self Scan Script - 28 - Step: 10 (Ah)"));
        // The module id box shows in the title from the next selection on.
        f.panel().cbModId->setEditText(QStringLiteral("3C"));
        QCOMPARE(f.title(), QStringLiteral("Self Scan Script - 28 - Step: 10 (Ah)"));
        QTest::keyClick(w.lvScript(), Qt::Key_Down);
        QCOMPARE(f.title(), QStringLiteral("Self Scan Script - 3C - Step: 11 (Bh)"));
        QCOMPARE(w.editor().steps().selected(), 10);

        clickBelowRows(w);
        QCOMPARE(f.title(), QStringLiteral("Self Scan Script - 3C - Step: 0 (0h)"));
        QCOMPARE(w.editor().steps().selected(), -1);
        QCOMPARE(w.lvScript()->selectedRow(), -1);
    }

    // A command that moves the selected row ends with the title a click on
    // that row gives.
    void titleAfterCommandsThatMoveTheSelection_data()
    {
        QTest::addColumn<int>("select");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<int>("step");
        QTest::newRow("three moves down") << -1 << QStringList{"btDown", "btDown", "btDown"} << 4;
        QTest::newRow("move up") << 3 << QStringList{"btUp"} << 3;
        QTest::newRow("insert, then up") << 1 << QStringList{"miInsert", "btUp"} << 2;
        QTest::newRow("delete the last") << 5 << QStringList{"miDelete"} << 5;
    }
    void titleAfterCommandsThatMoveTheSelection()
    {
        QFETCH(int, select);
        QFETCH(QStringList, commands);
        QFETCH(int, step);
        WindowFixture f;
        f.writeModule(QStringLiteral("m.rpm"), steps(6));
        TfmScript& w = f.show();
        f.load(QStringLiteral("m.rpm"));
        if (select >= 0)
            clickRow(w, select);
        for (const QString& name : commands) {
            if (auto* button = w.findChild<QAbstractButton*>(name))
                QTest::mouseClick(button, Qt::LeftButton);
            else
                w.pmScript()->findChild<QAction*>(name)->trigger();
        }
        QCOMPARE(f.title(), QStringLiteral("Self Scan Script - 28 - Step: %1 (%1h)").arg(step));
        QCOMPARE(w.lvScript()->selectedRow(), step - 1);
    }

    void refreshShowsTheSelectedStep()
    {
        WindowFixture f;
        f.write(QStringLiteral("bin/ModDescr.ini"), "[Desc]\n11=Eleven\n12=Caf\xE9\n");
        f.write(QStringLiteral("bin/Errors.ini"), "[ERRORS]\n0x1231=Servo lost lock\n");
        f.writeModule(QStringLiteral("m.rpm"), steps(3));
        TfmScript& w = f.show();
        f.load(QStringLiteral("m.rpm"));

        clickRow(w, 1);
        QCOMPARE(f.hexBytes(), bytesOf(record(w, 1)));
        QCOMPARE(f.panel().cbCustom->currentText(), QStringLiteral("Eleven"));
        QCOMPARE(f.panel().edStatus->text(), QStringLiteral("Servo lost lock"));

        clickRow(w, 2);
        QCOMPARE(f.hexBytes(), bytesOf(record(w, 2)));
        QCOMPARE(f.panel().cbCustom->currentText(), QStringLiteral("Caf\u00E9"));
        QCOMPARE(f.panel().edStatus->text(), QStringLiteral("ERROR 1232"));

        // The catalogs are read anew at every refresh.
        f.write(QStringLiteral("bin/Errors.ini"), "[ERRORS]\n0x1232=Head unstable\n");
        clickRow(w, 0);
        QCOMPARE(f.panel().cbCustom->currentText(), QString());
        clickRow(w, 2);
        QCOMPARE(f.panel().edStatus->text(), QStringLiteral("Head unstable"));
        QVERIFY(w.heScript()->hint().endsWith(QStringLiteral("\nOffset 68 - Error Code")));
    }

    // The error code lies at 0x68, or at 0x54 in a legacy-28 module.
    void errorCodeOffsets_data()
    {
        QTest::addColumn<ModuleLayout>("layout");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("hintEnd");
        QTest::newRow("ROYL") << ModuleLayout::Royl << "ERROR FFFF" << "Offset 68 - Error Code";
        QTest::newRow("legacy-32") << ModuleLayout::Legacy32 << "ERROR FFFF" << "Offset 68 - Error Code";
        QTest::newRow("legacy-28") << ModuleLayout::Legacy28 << "ERROR 1234" << "Offset 54 - Error Code";
    }
    void errorCodeOffsets()
    {
        QFETCH(ModuleLayout, layout);
        QFETCH(QString, status);
        QFETCH(QString, hintEnd);
        ModuleBuilder b(layout);
        pst::StepRecord r = b.record(0xDC);
        r.setU16(0x68, 0xFFFF);
        r.setU16(0x54, 0x1234);
        b.step(r);
        WindowFixture f;
        f.writeModule(QStringLiteral("m.rpm"), b);
        f.show();
        f.load(QStringLiteral("m.rpm"));
        QCOMPARE(f.panel().edStatus->text(), status);
        QVERIFY(f.window().heScript()->hint().endsWith(hintEnd));
    }

    void hexEditsGoIntoTheRecord()
    {
        WindowFixture f;
        f.writeModule(QStringLiteral("m.rpm"), steps(3));
        TfmScript& w = f.show();
        f.load(QStringLiteral("m.rpm"));
        clickRow(w, 1);
        HexView* hex = w.heScript();
        hex->setFocus();
        hex->setCursorOffset(0x48);
        QTest::keyClicks(hex, QStringLiteral("FFFF"));
        QCOMPARE(record(w, 1).link(0), 0xFFFF);
        QCOMPARE(w.stepModel().index(1, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 255));
        hex->setCursorOffset(0);
        QTest::keyClicks(hex, QStringLiteral("DC"));
        QCOMPARE(record(w, 1).testId(), 0xDC);
        QCOMPARE(w.stepModel().index(1, 0).data().toString(), QStringLiteral("11")); // the ID text stays
        QVERIFY(hex->isByteChanged(0));

        // Back to the row: the bytes without marks, and nothing to undo.
        clickRow(w, 0);
        clickRow(w, 1);
        QCOMPARE(f.hexBytes(), bytesOf(record(w, 1)));
        QVERIFY(!hex->isByteChanged(0));
        QVERIFY(!hex->canUndo());
    }

    void afterDeselectionTypingChangesNoRecord()
    {
        WindowFixture f;
        f.writeModule(QStringLiteral("m.rpm"), steps(3));
        TfmScript& w = f.show();
        f.load(QStringLiteral("m.rpm"));
        clickRow(w, 2);
        const std::vector<pst::StepRow> rows = w.editor().steps().rows();
        const QByteArray shown = f.hexBytes();
        clickBelowRows(w);
        QCOMPARE(f.hexBytes(), shown);
        w.heScript()->setFocus();
        w.heScript()->setCursorOffset(4);
        QTest::keyClicks(w.heScript(), QStringLiteral("77"));
        QCOMPARE(w.heScript()->bytes().at(4), '\x77');
        QVERIFY(w.editor().steps().rows() == rows);
    }

    void keyboardSelectionReachesTheEditor()
    {
        WindowFixture f;
        f.writeModule(QStringLiteral("m.rpm"), steps(4));
        TfmScript& w = f.show();
        f.load(QStringLiteral("m.rpm"));
        w.lvScript()->setFocus();
        QTest::keyClick(w.lvScript(), Qt::Key_End);
        QCOMPARE(w.editor().steps().selected(), 3);
        QCOMPARE(f.hexBytes(), bytesOf(record(w, 3)));
        QTest::keyClick(w.lvScript(), Qt::Key_Home);
        QCOMPARE(w.editor().steps().selected(), 0);
    }
};

QTEST_MAIN(TestWindowRefresh)
#include "tst_windowrefresh.moc"
