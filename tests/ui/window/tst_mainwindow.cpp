// The window's make-up: sizes, the bottom panel's controls at their places
// with their captions, hints and start states, the tab order, both popup
// menus in order with captions and shortcuts, and which command each key
// reaches depending on the control that has the focus.

#include "WindowFixture.h"

#include <QtCore/QTimer>
#include <QtGui/QAction>
#include <QtGui/QClipboard>
#include <QtGui/QGuiApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QToolButton>

using pst::test::ModuleBuilder;

namespace {
// Captions, shortcuts and enabled state of a menu's items; separators as "-".
QStringList menuItems(const QMenu* menu)
{
    QStringList out;
    for (const QAction* a : menu->actions()) {
        if (a->isSeparator()) {
            out << QStringLiteral("-");
            continue;
        }
        QString item = a->text();
        if (!a->shortcut().isEmpty())
            item += QStringLiteral(" [%1]").arg(a->shortcut().toString(QKeySequence::PortableText));
        if (!a->isEnabled())
            item += QStringLiteral(" (greyed)");
        out << item;
    }
    return out;
}

ModuleBuilder threeSteps()
{
    ModuleBuilder b;
    for (std::uint16_t id : {0x10, 0x11, 0x12}) {
        pst::StepRecord r = b.record(id, 0);
        r.setLinks(2);
        b.step(r);
    }
    return b;
}
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void windowSizesAndTitle()
    {
        WindowFixture f;
        TfmScript& w = f.open();
        QCOMPARE(w.objectName(), QStringLiteral("fmScript"));
        QCOMPARE(QString::fromLatin1(w.metaObject()->className()), QStringLiteral("TfmScript"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Self Scan Script"));
        QCOMPARE(w.size(), QSize(567, 716));
        QCOMPARE(w.minimumSize(), QSize(550, 400));
        QVERIFY(!(w.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!w.windowIcon().isNull());
        QVERIFY(w.acceptDrops());
        f.show();
        QCOMPARE(w.heScript()->height(), 190);
        QCOMPARE(w.panel()->height(), 97);
        QCOMPARE(w.panel()->geometry().bottom() + 1 + 4, w.height());
        QCOMPARE(w.lvScript()->height(), 716 - 190 - 97 - 4);
        QCOMPARE(w.heScript()->width(), w.width());
        QVERIFY(w.lvScript()->font().bold());
        QCOMPARE(w.lvScript()->font().pixelSize(), 11);
        QCOMPARE(w.font().pixelSize(), 11);
    }

    void panelControls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hint");
        QTest::newRow("edStatus") << "edStatus" << QRect(41, 5, 384, 21) << "" << "";
        QTest::newRow("cbFamily") << "cbFamily" << QRect(433, 5, 107, 21) << "Work" << "";
        QTest::newRow("cbCustom") << "cbCustom" << QRect(6, 31, 499, 21) << "Test Description" << "";
        QTest::newRow("btWriteToIni") << "btWriteToIni" << QRect(513, 31, 22, 22) << ""
                                      << "Write to INI current Test";
        QTest::newRow("btDown") << "btDown" << QRect(9, 62, 33, 25) << "" << "Move Down";
        QTest::newRow("btUp") << "btUp" << QRect(47, 62, 33, 25) << "" << "Move Up";
        QTest::newRow("cbStep") << "cbStep" << QRect(90, 66, 45, 17) << "Step" << "Correct GoTo Steps";
        QTest::newRow("btTrx") << "btTrx" << QRect(240, 64, 75, 25) << "to TREX" << "";
        QTest::newRow("cbModId") << "cbModId" << QRect(330, 65, 49, 21) << "28" << "Select PST Sequence Table";
        QTest::newRow("btRead") << "btRead" << QRect(384, 63, 75, 25) << "Load" << "";
        QTest::newRow("btWrite") << "btWrite" << QRect(465, 63, 75, 25) << "Save" << "";
    }
    void panelControls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(QString, hint);
        WindowFixture f;
        f.open();
        auto* w = f.panel().findChild<QWidget*>(name);
        QVERIFY(w);
        QCOMPARE(w->geometry(), geometry);
        QCOMPARE(w->toolTip(), hint);
        QString shown;
        if (auto* box = qobject_cast<QComboBox*>(w))
            shown = box->currentText();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            shown = button->text();
        else if (auto* edit = qobject_cast<QLineEdit*>(w))
            shown = edit->text();
        QCOMPARE(shown, text);
    }

    void startStates()
    {
        WindowFixture f;
        f.open();
        BottomPanel& p = f.panel();
        QVERIFY(p.edStatus->isReadOnly());
        QCOMPARE(p.edStatus->palette().color(QPalette::Base), p.palette().color(QPalette::Button));
        QVERIFY(p.cbStep->isChecked());
        for (QComboBox* box : {p.cbFamily, p.cbCustom, p.cbModId}) {
            QVERIFY(box->isEditable());
            QVERIFY(!box->completer());
        }
        QCOMPARE(p.cbCustom->maxVisibleItems(), 16);
        QStringList ids;
        for (int i = 0; i < p.cbModId->count(); ++i)
            ids << p.cbModId->itemText(i);
        QCOMPARE(ids, QStringList({"28", "3B", "3C", "3D", "3E", "3F"}));
        QCOMPARE(p.cbModId->currentIndex(), 0);
        p.cbModId->showPopup();
        QVERIFY(p.cbModId->view()->isVisible());
        p.cbModId->hidePopup();
        // What is typed stays as typed: nothing is completed from the list.
        p.cbModId->lineEdit()->clear();
        QTest::keyClicks(p.cbModId->lineEdit(), "3");
        QCOMPARE(p.cbModId->currentText(), QStringLiteral("3"));
        for (QToolButton* b : {p.btWriteToIni, p.btDown, p.btUp}) {
            QVERIFY(!b->icon().isNull());
            QCOMPARE(b->iconSize(), QSize(16, 16));
        }
    }

    void tabOrder()
    {
        WindowFixture f;
        TfmScript& w = f.show();
        BottomPanel& p = f.panel();
        const QList<QWidget*> expected = {p.btWrite,  p.btRead,   p.cbModId,  p.btDown,       p.btUp,
                                          p.cbStep,   p.btFields, p.edStatus, p.cbFamily,     p.cbCustom,
                                          p.btWriteToIni, p.btTrx, w.lvScript(), w.heScript()};
        QWidget* next = p.btWrite;
        for (qsizetype i = 1; i < expected.size(); ++i) {
            next = next->nextInFocusChain();
            // Combo boxes pass the focus through their line edit.
            while (next && next != expected.at(i) && !expected.contains(next))
                next = next->nextInFocusChain();
            QCOMPARE(next, expected.at(i));
        }
    }

    void scriptMenuInOrder()
    {
        WindowFixture f;
        TfmScript& w = f.open();
        QCOMPARE(w.pmScript()->objectName(), QStringLiteral("pmScript"));
        QCOMPARE(menuItems(w.pmScript()),
                 QStringList({"Undo [Alt+Backspace] (greyed)",
                              "Redo [Alt+Shift+Backspace] (greyed)",
                              "-",
                              "Create ARCO Script",
                              "Create Selfscan Script from E6",
                              "Create Script from DVT PTM History",
                              "Upgrade Script [Ctrl+U]",
                              "-",
                              "Clear Current Step Log [Ctrl+V]",
                              "Clear Script Log [Shift+Del]",
                              "-",
                              "Set Good Step to Step_by_Step [Ctrl+E]",
                              "Set Eror Step to END [Ctrl+Z]",
                              "Set Eror Step to STOP [Ctrl+S]",
                              "-",
                              "Insert [Ins]",
                              "Delete [Del]",
                              "Clear [Ctrl+Del]",
                              "-",
                              "Import from INI (greyed)",
                              "Export to INI",
                              "Export to TRX",
                              "-",
                              "Compare with..."}));
        QCOMPARE(w.pmHex()->objectName(), QStringLiteral("pmHex"));
        QCOMPARE(menuItems(w.pmHex()), QStringList({"Copy [Ctrl+C]", "Past [Ctrl+V]"}));
        for (const QAction* a : w.pmScript()->actions() + w.pmHex()->actions())
            QVERIFY(a->isSeparator() || a == w.miUndo() || a == w.miRedo()
                    || a->shortcutContext() == Qt::WidgetWithChildrenShortcut);
        QCOMPARE(w.miUndo()->shortcutContext(), Qt::WindowShortcut);
        QCOMPARE(w.miRedo()->shortcutContext(), Qt::WindowShortcut);
    }

    // Undo and Redo name their step, and their keys work in the list and in
    // the hex view, whose Ctrl+Z stays its own byte undo.
    void undoAndRedoNameTheirStepAndWorkEverywhere()
    {
        WindowFixture f;
        f.writeModule(QStringLiteral("m.rpm"), threeSteps());
        TfmScript& w = f.show();
        f.load(QStringLiteral("m.rpm"));
        w.lvScript()->setFocus();
        QTRY_VERIFY(w.lvScript()->hasFocus());
        QTest::keyClick(w.lvScript(), Qt::Key_Insert);
        QCOMPARE(w.editor().steps().size(), 4);
        QCOMPARE(w.miUndo()->text(), QStringLiteral("Undo Insert"));
        QVERIFY(w.miUndo()->isEnabled());
        QVERIFY(!w.miRedo()->isEnabled());

        // Ctrl+Z in the list is still END, and undoable.
        QTest::keyClick(w.lvScript(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.miUndo()->text(), QStringLiteral("Undo Set Eror Step to END"));
        QTest::keyClick(w.lvScript(), Qt::Key_Backspace, Qt::AltModifier);
        QCOMPARE(w.miUndo()->text(), QStringLiteral("Undo Insert"));
        QCOMPARE(w.miRedo()->text(), QStringLiteral("Redo Set Eror Step to END"));

        // In the hex view: typing is one step; Ctrl+Z takes back a byte,
        // Alt+Backspace the step.
        w.heScript()->setFocus();
        QTRY_VERIFY(w.heScript()->hasFocus());
        const int sel = w.editor().steps().selected();
        const pst::StepRecord before = w.editor().steps().row(sel).record;
        QTest::keyClicks(w.heScript(), QStringLiteral("AB"));
        QCOMPARE(w.miUndo()->text(), QStringLiteral("Undo Typing"));
        QTest::keyClick(w.heScript(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.miUndo()->text(), QStringLiteral("Undo Typing"));
        QTest::keyClick(w.heScript(), Qt::Key_Backspace, Qt::AltModifier);
        QCOMPARE(w.editor().steps().row(sel).record, before);
        QCOMPARE(w.miUndo()->text(), QStringLiteral("Undo Insert"));
        QTest::keyClick(w.heScript(), Qt::Key_Backspace, Qt::AltModifier);
        QCOMPARE(w.editor().steps().size(), 3);
        QVERIFY(!w.miUndo()->isEnabled());
        QTest::keyClick(w.lvScript(), Qt::Key_Backspace, Qt::ShiftModifier | Qt::AltModifier);
        QCOMPARE(w.editor().steps().size(), 4);
        QVERIFY(w.windowTitle().contains(QLatin1String("Step: ")));
    }

    // Every item runs its command, also with nothing loaded.
    void everyItemRunsWithoutAModule()
    {
        WindowFixture f;
        TfmScript& w = f.show();
        for (QAction* a : w.pmScript()->actions())
            if (!a->isSeparator())
                a->trigger();
        QVERIFY2(f.prompts().errors.isEmpty(), qPrintable(f.prompts().errors.join(QLatin1Char('\n'))));
        QCOMPARE(w.editor().steps().size(), 0);
        QCOMPARE(w.windowTitle(), QStringLiteral("Self Scan Script"));
    }

    // Ctrl+V and Ctrl+Z mean one thing in the list and another in the hex view.
    void keysFollowTheFocus()
    {
        WindowFixture f;
        f.writeModule(QStringLiteral("m.rpm"), threeSteps());
        TfmScript& w = f.show();
        f.load(QStringLiteral("m.rpm"));
        w.lvScript()->setFocus();
        QTRY_VERIFY(w.lvScript()->hasFocus());
        const int sel = w.editor().steps().selected();
        QCOMPARE(w.editor().steps().row(sel).record.errorCode(pst::ModuleLayout::Royl), 0);

        // List: Ctrl+V clears the step's log, Ctrl+Z sets the error steps to END.
        QTest::keyClick(w.lvScript(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.editor().steps().row(sel).record.errorCode(pst::ModuleLayout::Royl), 0xFFFF);
        QTest::keyClick(w.lvScript(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.editor().steps().row(2).record.link(1), 0xFFFF); // END: no step after an error
        QTest::keyClick(w.lvScript(), Qt::Key_Insert);
        QCOMPARE(w.editor().steps().size(), 4);
        QTest::keyClick(w.lvScript(), Qt::Key_Delete);
        QCOMPARE(w.editor().steps().size(), 3);
        // The list has no Copy: Ctrl+C leaves the clipboard to the hex view's Past.
        QGuiApplication::clipboard()->setText(QStringLiteral("AB CD"));
        QTest::keyClick(w.lvScript(), Qt::Key_C, Qt::ControlModifier);

        // Hex view: Ctrl+V pastes, Ctrl+Z undoes the paste.
        w.heScript()->setFocus();
        QTRY_VERIFY(w.heScript()->hasFocus());
        const QByteArray before = f.hexBytes();
        w.heScript()->setCursorOffset(0x10);
        QTest::keyClick(w.heScript(), Qt::Key_V, Qt::ControlModifier);
        const pst::StepRecord& rec = w.editor().steps().row(w.editor().steps().selected()).record;
        QCOMPARE(rec.u16(0x10), 0xCDAB);
        QCOMPARE(w.editor().steps().size(), 3);
        QTest::keyClick(w.heScript(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.hexBytes(), before);
        QCOMPARE(bytesOf(w.editor().steps().row(w.editor().steps().selected()).record), before);
        // Ctrl+C copies the selected bytes.
        w.heScript()->setSelection(0, 2);
        QTest::keyClick(w.heScript(), Qt::Key_C, Qt::ControlModifier);
        const QByteArray id = f.hexBytes().left(2);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("%1 00").arg(quint8(id[0]), 2, 16, QLatin1Char('0')).toUpper());
    }

    // The bar below the panel resizes the window's height.
    void theBarAtTheBottomResizesTheWindow()
    {
        WindowFixture f;
        TfmScript& w = f.show();
        auto* bar = w.findChild<QWidget*>(QStringLiteral("Splitter1"));
        QVERIFY(bar);
        QCOMPARE(bar->height(), 4);
        QCOMPARE(bar->width(), w.width());
        QCOMPARE(bar->geometry().bottom(), w.height() - 1);
        QCOMPARE(bar->cursor().shape(), Qt::SizeVerCursor);
        const int height = w.height();
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(100, 2));
        QTest::mouseMove(bar, QPoint(100, -38));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(100, -38));
        QTRY_COMPARE(w.height(), height - 40);
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(100, 2));
        QTest::mouseMove(bar, QPoint(100, -1000));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(100, -1000));
        QTRY_COMPARE(w.height(), 400); // not below the minimum
    }

    void buttonsRunTheirCommands()
    {
        WindowFixture f;
        f.writeModule(QStringLiteral("m.rpm"), threeSteps());
        TfmScript& w = f.show();
        QTest::mouseClick(f.panel().btRead, Qt::LeftButton);
        QCOMPARE(f.prompts().opened.size(), std::size_t(1));
        QCOMPARE(f.prompts().opened.back().filter, QStringLiteral("Module 28 (*28*.rpm);;All (*)"));
        f.panel().cbModId->setEditText(QStringLiteral("3b"));
        f.load(QStringLiteral("m.rpm"));
        QCOMPARE(f.prompts().opened.back().filter, QStringLiteral("Module 3B (*3B*.rpm);;All (*)"));
        QCOMPARE(w.editor().steps().size(), 3);

        w.editor().selectRow(0);
        QTest::mouseClick(f.panel().btDown, Qt::LeftButton);
        QCOMPARE(QString::fromStdString(w.editor().steps().row(1).caption), QStringLiteral("10"));
        QCOMPARE(w.lvScript()->selectedRow(), 1);
        QTest::mouseClick(f.panel().btUp, Qt::LeftButton);
        QCOMPARE(w.lvScript()->selectedRow(), 0);

        f.prompts().saveAnswers.push_back(f.path(QStringLiteral("out.rpm")));
        f.panel().cbStep->setChecked(false);
        QTest::mouseClick(f.panel().btWrite, Qt::LeftButton);
        QCOMPARE(f.prompts().saved.back().fileName, QStringLiteral("~id3B.rpm"));
        QVERIFY(f.read(QStringLiteral("out.rpm")).size() > 0);

        f.prompts().saveAnswers.push_back(f.path(QStringLiteral("out.trx")));
        QTest::mouseClick(f.panel().btTrx, Qt::LeftButton);
        QCOMPARE(f.prompts().saved.back().purpose, pst::DialogPurpose::ExportTrex);
        QVERIFY(f.read(QStringLiteral("out.trx")).size() > 0);
        QVERIFY(f.prompts().errors.isEmpty());
    }

    // While a command lets the window repaint, no other command starts, and
    // a close waits until the command has ended.
    void commandsWaitForTheRunningOne()
    {
        WindowFixture f;
        f.writeModule(QStringLiteral("m.rpm"), threeSteps());
        TfmScript& w = f.show();
        f.load(QStringLiteral("m.rpm"));
        w.editor().selectRow(0);
        int rowsDuring = -1;
        bool visibleDuring = false;
        f.prompts().duringOpen = [&] {
            QTimer::singleShot(0, &w, [&] {
                choose(w, "miInsert");
                w.close();
            });
            w.host().pumpMessages();
            rowsDuring = w.editor().steps().size();
            visibleDuring = w.isVisible();
        };
        f.load(QStringLiteral("m.rpm"));
        QCOMPARE(rowsDuring, 3);
        QVERIFY(visibleDuring);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.editor().steps().size(), 3);
        QVERIFY(QFile::exists(f.settingsFile()));
    }

    void errorsAndWarningsAreShownInTheirBoxes()
    {
        WindowFixture f;
        f.write(QStringLiteral("short.rpm"), "ROY");
        TfmScript& w = f.show();
        f.load(QStringLiteral("short.rpm"));
        QCOMPARE(f.prompts().errors, QStringList({"Stream read error"}));
        QCOMPARE(w.windowTitle(), QStringLiteral("Self Scan Script"));

        // More steps than the module holds: the program's own warning.
        f.writeModule(QStringLiteral("full.rpm"), threeSteps().capacity(3));
        f.load(QStringLiteral("full.rpm"));
        choose(w, "miInsert");
        w.panel()->btWrite->click();
        QCOMPARE(f.prompts().warnings, QStringList({"Test Count Overflow! Max Count: 3"}));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
