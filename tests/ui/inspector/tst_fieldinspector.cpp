// The field inspector beside the hex view: what it lists for the selected
// step, values typed into it going into the record as if typed in the hex view,
// the caret and the selected field following each other, and its toggle
// (F2, the panel's button, the stored state). Also the step list's tooltips
// with the rows' links.

#include "WindowFixture.h"

#include "ui/inspector/FieldInspector.h"
#include "ui/inspector/FieldInspectorToggle.h"
#include "ui/inspector/FieldTableModel.h"
#include "ui/inspector/FieldTableView.h"

#include <QtGui/QAction>
#include <QtWidgets/QLabel>
#include <QtWidgets/QSplitter>
#include <QtWidgets/QToolButton>

using pst::FieldBase;
using pst::ModuleLayout;
using pst::test::ModuleBuilder;

Q_DECLARE_METATYPE(pst::FieldBase)

namespace {
// Every byte differs from its neighbours, so a write one byte off shows.
pst::StepRecord patterned(const ModuleBuilder& b, std::uint16_t testId)
{
    pst::StepRecord r = b.record(testId);
    for (std::size_t i = 2; i < r.size(); ++i)
        r.mutableBytes()[i] = static_cast<pst::Byte>(0x80 + i);
    return r;
}

// D1, D2 (patterned) and DC; step 1 links to step 2, nowhere, and step 9.
ModuleBuilder threeSteps(ModuleLayout layout = ModuleLayout::Royl)
{
    ModuleBuilder b(layout);
    pst::StepRecord first = b.record(0xD1, 0x001A);
    first.setLink(0, 2);
    first.setLink(1, 0xFFFF);
    first.setLink(2, 9);
    b.step(first).step(patterned(b, 0xD2)).step(0xDC);
    return b;
}

void writeCatalogs(const WindowFixture& f)
{
    f.write(QStringLiteral("bin/ModDescr.ini"),
            "[Desc]\nD1=Set up drive parameters\nD2=Verify drive parameters\nDC=Dummy step\n");
    f.write(QStringLiteral("bin/Errors.ini"), "[ERRORS]\n0x001A=Head fault\n");
}

// A window with the three steps loaded, the inspector open, step `row` selected.
TfmScript& openWithSteps(WindowFixture& f, int row = 0, ModuleLayout layout = ModuleLayout::Royl)
{
    writeCatalogs(f);
    f.writeModule(QStringLiteral("m.rpm"), threeSteps(layout));
    TfmScript& w = f.show();
    f.load(QStringLiteral("m.rpm"));
    w.fieldInspectorToggle()->setShown(true);
    w.lvScript()->showSelectedRow(row);
    return w;
}

int rowOf(const FieldInspector& inspector, const QString& name)
{
    const auto& fields = inspector.model().fields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (QString::fromStdString(fields[i].name) == name)
            return static_cast<int>(i);
    return -1;
}

QString cell(const FieldInspector& inspector, const QString& name, int column)
{
    return inspector.model().index(rowOf(inspector, name), column).data().toString();
}

QByteArray recordBytes(TfmScript& w) { return bytesOf(w.editor().steps().row(w.editor().steps().selected()).record); }

int grownWidth(TfmScript& w)
{
    const auto* splitter = qobject_cast<QSplitter*>(w.fieldInspector()->parentWidget());
    return TfmScript::kDesignSize.width() + w.fieldInspectorToggle()->inspectorWidth() + splitter->handleWidth();
}
} // namespace

class TestFieldInspector : public QObject {
    Q_OBJECT

private slots:
    // Return or a double click on a link row selects the step it points to;
    // Alt+Left and Alt+Right go back and forward; a link to no step says so.
    void followsLinksBackAndForward()
    {
        WindowFixture f;
        TfmScript& w = openWithSteps(f);
        FieldInspector& ins = *w.fieldInspector();
        FieldTableView* table = ins.table();
        const auto rowRect = [&](const char* name) {
            return table->visualRect(ins.model().index(rowOf(ins, QLatin1String(name)), FieldTableModel::NameColumn));
        };
        const auto selected = [&] { return w.editor().steps().selected(); };
        table->setCurrentIndex(ins.model().index(rowOf(ins, QStringLiteral("GOTO_ON_SUCCES")), 0));
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(selected(), 1);
        QCOMPARE(w.lvScript()->selectedRow(), 1);
        QCOMPARE(ins.heading(), QStringLiteral("Step 2: D2 Verify drive parameters"));
        QVERIFY(!table->isEditing());
        QTest::keyClick(table, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(selected(), 0);
        QTest::keyClick(table, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(selected(), 1);
        QTest::keyClick(table, Qt::Key_Right, Qt::AltModifier); // nothing ahead
        QCOMPARE(selected(), 1);
        QTest::keyClick(w.lvScript(), Qt::Key_Left, Qt::AltModifier); // from the list too
        QCOMPARE(selected(), 0);

        table->setCurrentIndex(ins.model().index(rowOf(ins, QStringLiteral("GOTO_ON_ERR")), 0));
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(selected(), 0);
        QVERIFY(!table->isEditing());
        QCOMPARE(ins.errorText(), QStringLiteral("GOTO_ON_ERR: no next step; it leads nowhere"));
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, rowRect("GOTO_ON_ABRT").center());
        QCOMPARE(selected(), 0);
        QCOMPARE(ins.errorText(), QStringLiteral("GOTO_ON_ABRT: step 9: outside the script (3 steps); it leads nowhere"));
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, rowRect("GOTO_ON_SUCCES").center());
        QCOMPARE(selected(), 1);
        QCOMPARE(ins.errorText(), QString());
    }

    void listsTheSelectedStepsFields()
    {
        WindowFixture f;
        TfmScript& w = openWithSteps(f);
        const FieldInspector& ins = *w.fieldInspector();
        QCOMPARE(ins.heading(), QStringLiteral("Step 1: D1 Set up drive parameters"));
        QCOMPARE(ins.model().rowCount(), 24);
        using M = FieldTableModel;
        const struct {
            const char* name;
            const char* offset;
            const char* hex;
            const char* decimal;
            const char* meaning;
        } rows[] = {
            {"TEST_ID", "0x00", "0x00D1", "209", "Set up drive parameters"},
            {"P16", "0x40", "0x00000000", "0", ""},
            {"POST_ACTION", "0x44", "0x00000000", "0", "no TREX line"},
            {"GOTO_ON_SUCCES", "0x48", "0x0002", "2", "step 2: D2 Verify drive parameters"},
            {"GOTO_ON_ERR", "0x4A", "0xFFFF", "65535", "no next step"},
            {"GOTO_ON_ABRT", "0x4C", "0x0009", "9", "step 9: outside the script (3 steps)"},
            {"log area", "0x4E", "", "", "58 bytes (0x4E to 0x87)"},
            {"ERROR_CODE", "0x68", "0x001A", "26", "Head fault"},
        };
        for (const auto& r : rows) {
            const QString name = QLatin1String(r.name);
            QCOMPARE(cell(ins, name, M::OffsetColumn), QLatin1String(r.offset));
            QCOMPARE(cell(ins, name, M::HexColumn), QLatin1String(r.hex));
            QCOMPARE(cell(ins, name, M::DecimalColumn), QLatin1String(r.decimal));
            QCOMPARE(cell(ins, name, M::MeaningColumn), QLatin1String(r.meaning));
        }
        // The link outside the script stands out; the others do not.
        const auto colour = [&](const char* name) {
            return ins.model().index(rowOf(ins, QLatin1String(name)), M::MeaningColumn).data(Qt::ForegroundRole);
        };
        QCOMPARE(colour("GOTO_ON_ABRT").value<QColor>(), QColor(Qt::red));
        QVERIFY(!colour("GOTO_ON_SUCCES").isValid());
        // Only fields with one value are editable, and only in the value columns.
        const QModelIndex log = ins.model().index(rowOf(ins, QStringLiteral("log area")), M::HexColumn);
        QVERIFY(!(ins.model().flags(log) & Qt::ItemIsEditable));
        QVERIFY(ins.model().flags(ins.model().index(0, M::DecimalColumn)) & Qt::ItemIsEditable);
        QVERIFY(!(ins.model().flags(ins.model().index(0, M::MeaningColumn)) & Qt::ItemIsEditable));
    }

    void errorCodeAtTheLayoutsOffset()
    {
        WindowFixture f;
        TfmScript& w = openWithSteps(f, 0, ModuleLayout::Legacy28);
        FieldInspector& ins = *w.fieldInspector();
        QCOMPARE(cell(ins, QStringLiteral("ERROR_CODE"), FieldTableModel::OffsetColumn), QStringLiteral("0x54"));
        QCOMPARE(cell(ins, QStringLiteral("ERROR_CODE"), FieldTableModel::MeaningColumn), QStringLiteral("Head fault"));
        QVERIFY(ins.writeField(rowOf(ins, QStringLiteral("ERROR_CODE")), QStringLiteral("0x1234"), FieldBase::Hex));
        const pst::StepRecord& rec = w.editor().steps().row(0).record;
        QCOMPARE(rec.u16(0x54), std::uint16_t{0x1234});
        QCOMPARE(rec.u16(0x68), std::uint16_t{0});
    }

    void writesExactlyTheFieldsBytes_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<FieldBase>("base");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QString>("error");
        const FieldBase hex = FieldBase::Hex, dec = FieldBase::Decimal;
        QTest::newRow("TEST_ID hex") << "TEST_ID" << hex << "3421" << true << 0x3421u << "";
        QTest::newRow("TEST_ARG decimal") << "TEST_ARG" << dec << "65535" << true << 0xFFFFu << "";
        QTest::newRow("P1 hex max") << "P1" << hex << "0xffffffff" << true << 0xFFFFFFFFu << "";
        QTest::newRow("P16 decimal") << "P16" << dec << "305419896" << true << 0x12345678u << "";
        QTest::newRow("POST_ACTION 0x in decimal") << "POST_ACTION" << dec << " 0x8 " << true << 8u << "";
        QTest::newRow("GOTO_ON_ERR zero") << "GOTO_ON_ERR" << hex << "0" << true << 0u << "";
        QTest::newRow("ERROR_CODE decimal") << "ERROR_CODE" << dec << "26" << true << 26u << "";
        QTest::newRow("TEST_ID too large") << "TEST_ID" << hex << "10000" << false << 0u
                                           << "TEST_ID at 0x00: \"10000\" does not fit in 2 bytes (at most 0xFFFF); "
                                              "nothing was written";
        QTest::newRow("P3 not decimal") << "P3" << dec << "1A" << false << 0u
                                        << "P3 at 0x0C: \"1A\" is not a decimal number; nothing was written";
        QTest::newRow("P16 five bytes") << "P16" << hex << "0x100000000" << false << 0u
                                        << "P16 at 0x40: \"0x100000000\" does not fit in 4 bytes (at most "
                                           "0xFFFFFFFF); nothing was written";
        QTest::newRow("GOTO_ON_SUCCES empty") << "GOTO_ON_SUCCES" << hex << "" << false << 0u
                                              << "GOTO_ON_SUCCES at 0x48: Enter a value; nothing was written";
        QTest::newRow("GOTO_ON_ABRT negative") << "GOTO_ON_ABRT" << dec << "-1" << false << 0u
                                               << "GOTO_ON_ABRT at 0x4C: \"-1\" is not a decimal number; nothing "
                                                  "was written";
    }
    void writesExactlyTheFieldsBytes()
    {
        QFETCH(QString, field);
        QFETCH(FieldBase, base);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(quint32, value);
        QFETCH(QString, error);
        WindowFixture f;
        TfmScript& w = openWithSteps(f, 1); // the patterned record
        FieldInspector& ins = *w.fieldInspector();
        HexView& hex = *w.heScript();
        const int row = rowOf(ins, field);
        const pst::StepFieldInfo info = ins.model().fields()[static_cast<std::size_t>(row)];
        const QByteArray before = recordBytes(w);
        QVERIFY(!w.editor().modified());

        QCOMPARE(ins.writeField(row, text, base), ok);
        QCOMPARE(ins.errorText(), error);
        QCOMPARE(ins.findChild<QLabel*>(QStringLiteral("lbFieldError"))->isHidden(), ok);
        QByteArray expected = before;
        if (ok)
            for (std::size_t i = 0; i < info.width; ++i)
                expected[static_cast<qsizetype>(info.offset + i)] = static_cast<char>(value >> (8 * i));
        QCOMPARE(recordBytes(w), expected);
        QCOMPARE(f.hexBytes(), expected);
        QCOMPARE(w.editor().modified(), ok);
        for (qint64 i = 0; i < hex.size(); ++i)
            QCOMPARE(hex.isByteChanged(i), ok && info.contains(static_cast<std::size_t>(i)));
        // The hex view's undo takes it back, whole.
        QCOMPARE(hex.canUndo(), ok);
        if (ok) {
            QCOMPARE(cell(ins, field, FieldTableModel::DecimalColumn), QString::number(value));
            QTest::keyClick(&hex, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(recordBytes(w), before);
            QCOMPARE(cell(ins, field, FieldTableModel::HexColumn), FieldTableModel::hexText(info));
        }
    }

    void theSameValueWritesNothing()
    {
        WindowFixture f;
        TfmScript& w = openWithSteps(f);
        FieldInspector& ins = *w.fieldInspector();
        QVERIFY(ins.writeField(rowOf(ins, QStringLiteral("GOTO_ON_SUCCES")), QStringLiteral("2"), FieldBase::Decimal));
        QVERIFY(!w.heScript()->canUndo());
        QVERIFY(!w.heScript()->isByteChanged(0x48));
        QVERIFY(!w.editor().modified());
        // The log area holds many values: it is not written as one.
        QVERIFY(!ins.writeField(rowOf(ins, QStringLiteral("log area")), QStringLiteral("0"), FieldBase::Hex));
        QVERIFY(!w.heScript()->canUndo());
    }

    void typingIntoTheTable()
    {
        WindowFixture f;
        TfmScript& w = openWithSteps(f);
        FieldInspector& ins = *w.fieldInspector();
        FieldTableView* table = ins.table();
        // Typing on a row opens its hex value with what was typed.
        table->setCurrentIndex(ins.model().index(rowOf(ins, QStringLiteral("GOTO_ON_ERR")), 0));
        table->setFocus();
        QTest::keyClick(table, Qt::Key_7);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("FFF"));
        // The editor commits once its own Return has been handled.
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(w.editor().steps().row(0).record.link(1), std::uint16_t{0x7FFF});
        QCOMPARE(f.hexBytes().mid(0x4A, 2), QByteArray("\xFF\x7F", 2));

        // Return opens the current row's value; a refused value keeps the record.
        table->setCurrentIndex(ins.model().index(rowOf(ins, QStringLiteral("P2")), FieldTableModel::MeaningColumn));
        QTest::keyClick(table, Qt::Key_Return);
        editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("xyz"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(ins.errorText(),
                     QStringLiteral("P2 at 0x08: \"xyz\" is not a hexadecimal number; nothing was written"));
        QCOMPARE(w.editor().steps().row(0).record.param(2), 0u);
        // The next good value clears the error.
        QTest::keyClick(table, Qt::Key_Return);
        editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("12"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(w.editor().steps().row(0).record.param(2), 0x12u);
        QCOMPARE(ins.errorText(), QString());
    }

    // A value still being typed goes into the record before the window's
    // close does anything (store, ask about changes); a window destroyed
    // without a close drops it and does not crash.
    void aValueBeingTypedWhenTheWindowGoes()
    {
        WindowFixture f;
        TfmScript& w = openWithSteps(f);
        FieldInspector& ins = *w.fieldInspector();
        const auto typeInto = [&](const char* field, const QString& text) {
            ins.table()->setCurrentIndex(ins.model().index(rowOf(ins, QLatin1String(field)), 0));
            ins.table()->setFocus();
            QTest::keyClick(ins.table(), Qt::Key_Return);
            auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(editor);
            QTest::keyClicks(editor, text);
        };
        typeInto("P5", QStringLiteral("5"));
        QCloseEvent close;
        QApplication::sendEvent(&w, &close);
        QCOMPARE(w.editor().steps().row(0).record.param(5), 5u);
        QVERIFY(w.editor().modified());

        typeInto("P6", QStringLiteral("6"));
        f.destroyWindow();
    }

    // A module dropped while a value is being typed: the value was meant
    // for a step that is gone, so it goes nowhere.
    void aValueBeingTypedWhenAnotherScriptArrives()
    {
        WindowFixture f;
        TfmScript& w = openWithSteps(f);
        FieldInspector& ins = *w.fieldInspector();
        f.writeModule(QStringLiteral("other.rpm"), threeSteps());
        ins.table()->setCurrentIndex(ins.model().index(rowOf(ins, QStringLiteral("P5")), 0));
        ins.table()->setFocus();
        QTest::keyClick(ins.table(), Qt::Key_5);
        QVERIFY(ins.table()->isEditing());

        w.WMDropFiles({f.path(QStringLiteral("other.rpm")).toStdString()});
        QVERIFY(!ins.table()->isEditing());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(w.editor().steps().row(0).record.param(5), 0u);
        QVERIFY(!w.editor().modified());
    }

    void theCaretAndTheSelectedFieldFollowEachOther()
    {
        WindowFixture f;
        TfmScript& w = openWithSteps(f);
        FieldInspector& ins = *w.fieldInspector();
        HexView& hex = *w.heScript();
        const auto current = [&] {
            const int row = ins.currentField();
            return row < 0 ? QStringLiteral("none") : QString::fromStdString(ins.model().fields()[row].name);
        };
        QCOMPARE(current(), QStringLiteral("TEST_ID"));
        // Keys.
        hex.setFocus();
        QTest::keyClick(&hex, Qt::Key_Down);
        QCOMPARE(hex.cursorOffset(), qint64{0x10});
        QCOMPARE(current(), QStringLiteral("P4"));
        hex.setCursorOffset(0x49);
        QCOMPARE(current(), QStringLiteral("GOTO_ON_SUCCES"));
        QTest::keyClick(&hex, Qt::Key_Right);
        QTest::keyClick(&hex, Qt::Key_Right);
        QCOMPARE(hex.cursorOffset(), qint64{0x4A});
        QCOMPARE(current(), QStringLiteral("GOTO_ON_ERR"));
        // The mouse; inside the log area the error code is the narrower field.
        hex.setCursorOffset(0x60);
        QTest::mouseClick(hex.viewport(), Qt::LeftButton, {}, hex.byteRect(0x69, HexPane::Hex).center());
        QCOMPARE(hex.cursorOffset(), qint64{0x69});
        QCOMPARE(current(), QStringLiteral("ERROR_CODE"));
        QTest::mouseClick(hex.viewport(), Qt::LeftButton, {}, hex.byteRect(0x6A, HexPane::Hex).center());
        QCOMPARE(current(), QStringLiteral("log area"));

        // A field chosen in the table puts the caret on its first byte...
        FieldTableView* table = ins.table();
        const QRect p3 = table->visualRect(ins.model().index(rowOf(ins, QStringLiteral("P3")), 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, p3.center());
        QCOMPARE(hex.cursorOffset(), qint64{0x0C});
        QTest::keyClick(table, Qt::Key_Down);
        QCOMPARE(hex.cursorOffset(), qint64{0x10});
        QCOMPARE(current(), QStringLiteral("P4"));
        // ...unless the caret is in that field already: the log area holds
        // the error code's bytes.
        table->setCurrentIndex(ins.model().index(rowOf(ins, QStringLiteral("ERROR_CODE")), 0));
        QCOMPARE(hex.cursorOffset(), qint64{0x68});
        table->setCurrentIndex(ins.model().index(rowOf(ins, QStringLiteral("log area")), 0));
        QCOMPARE(hex.cursorOffset(), qint64{0x68});
        QCOMPARE(current(), QStringLiteral("log area"));
    }

    void followsTheSelectionAndTheCatalogs()
    {
        WindowFixture f;
        TfmScript& w = openWithSteps(f);
        FieldInspector& ins = *w.fieldInspector();
        ins.writeField(0, QStringLiteral("x"), FieldBase::Hex);
        QVERIFY(!ins.errorText().isEmpty());
        w.lvScript()->showSelectedRow(2);
        QCOMPARE(ins.heading(), QStringLiteral("Step 3: DC Dummy step"));
        QCOMPARE(cell(ins, QStringLiteral("TEST_ID"), FieldTableModel::HexColumn), QStringLiteral("0x00DC"));
        QCOMPARE(ins.errorText(), QString()); // it was about another step

        // An edited catalog shows at the next refresh, as the status line does.
        f.write(QStringLiteral("bin/Errors.ini"), "[ERRORS]\n0x001A=Head fault, edited\n");
        w.lvScript()->showSelectedRow(0);
        QCOMPARE(cell(ins, QStringLiteral("ERROR_CODE"), FieldTableModel::MeaningColumn),
                 QStringLiteral("Head fault, edited"));

        // The targets follow the rows: after a move the link names the new step 2.
        w.lvScript()->showSelectedRow(1);
        w.panel()->btDown->click();
        w.lvScript()->showSelectedRow(0);
        QCOMPARE(cell(ins, QStringLiteral("GOTO_ON_SUCCES"), FieldTableModel::MeaningColumn),
                 QStringLiteral("step 2: DC Dummy step"));

        w.editor().run([&] { w.editor().selectRow(pst::StepList::kNone); });
        QCOMPARE(ins.heading(), QStringLiteral("No step selected"));
        QCOMPARE(ins.model().rowCount(), 0);
    }

    void hiddenAtFirstStartAndToggledByF2()
    {
        WindowFixture f;
        TfmScript& w = f.show();
        FieldInspectorToggle& toggle = *w.fieldInspectorToggle();
        QVERIFY(!toggle.builtInspector()); // not built until first needed
        QVERIFY(w.fieldInspector()->isHidden());
        QVERIFY(!toggle.action()->isChecked());
        QCOMPARE(f.panel().btFields->defaultAction(), toggle.action());
        QVERIFY(f.panel().btFields->toolTip().contains(QStringLiteral("F2")));

        // From wherever the focus is; the step list and the hex view keep their width.
        for (QWidget* focus : {static_cast<QWidget*>(w.lvScript()), static_cast<QWidget*>(w.heScript()),
                               static_cast<QWidget*>(f.panel().cbCustom)}) {
            focus->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
            QVERIFY(!w.fieldInspector()->isHidden());
            QVERIFY(f.panel().btFields->isChecked());
            QCOMPARE(w.width(), grownWidth(w));
            QCOMPARE(w.heScript()->width(), TfmScript::kDesignSize.width());
            QCOMPARE(w.fieldInspector()->width(), FieldInspectorToggle::kDefaultWidth);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
            QVERIFY(w.fieldInspector()->isHidden());
            QCOMPARE(w.width(), TfmScript::kDesignSize.width());
        }
        // The panel's button does the same; F2 works inside the inspector too.
        QTest::mouseClick(f.panel().btFields, Qt::LeftButton);
        QVERIFY(toggle.isShown());
        w.fieldInspector()->table()->setFocus();
        QTest::keyClick(w.fieldInspector()->table(), Qt::Key_F2);
        QVERIFY(!toggle.isShown());
    }

    void theButtonTakesNoDescribedControlsPlace()
    {
        WindowFixture f;
        f.open();
        const QRect button = f.panel().btFields->geometry();
        for (QWidget* control : f.panel().findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (control != f.panel().btFields)
                QVERIFY2(!control->geometry().intersects(button), qPrintable(control->objectName()));
        QVERIFY(QRect(QPoint(0, 0), QSize(TfmScript::kMinimumSize.width(), BottomPanel::kHeight)).contains(button));
    }

    void stateIsStoredWithThePlacement()
    {
        WindowFixture f;
        TfmScript& w = f.show();
        w.fieldInspectorToggle()->setShown(true);
        const int width = w.width();
        f.closeWindow();
        QMap<QString, QString> stored = f.storedPlacement();
        QCOMPARE(stored.value(QStringLiteral("FieldInspector")), QStringLiteral("1"));
        QCOMPARE(stored.value(QStringLiteral("FieldInspectorWidth")), QStringLiteral("540"));

        // Opens again as it was, without growing a second time.
        TfmScript& again = f.show();
        QVERIFY(again.fieldInspectorToggle()->isShown());
        QVERIFY(again.fieldInspectorToggle()->action()->isChecked());
        QCOMPARE(again.width(), width);
        QCOMPARE(again.fieldInspector()->width(), 540);
        again.fieldInspectorToggle()->setShown(false);
        f.closeWindow();
        QCOMPARE(f.storedPlacement().value(QStringLiteral("FieldInspector")), QStringLiteral("0"));
        QVERIFY(f.show().fieldInspector()->isHidden());
        QCOMPARE(f.window().width(), TfmScript::kDesignSize.width());
    }

    void storedStateWithoutAPlace()
    {
        WindowFixture f;
        {
            QSettings s(f.settingsFile(), QSettings::IniFormat);
            s.beginGroup(QStringLiteral("TfmScript"));
            s.setValue(QStringLiteral("FieldInspector"), QStringLiteral("1"));
            s.setValue(QStringLiteral("FieldInspectorWidth"), QStringLiteral("12")); // too narrow: the default
        }
        TfmScript& w = f.show();
        QVERIFY(w.fieldInspectorToggle()->isShown());
        QCOMPARE(w.fieldInspector()->width(), FieldInspectorToggle::kDefaultWidth);
        // No stored place: the design size, grown for the inspector.
        QCOMPARE(w.width(), grownWidth(w));
        QCOMPARE(w.heScript()->width(), TfmScript::kDesignSize.width());
    }

    void stepListTooltipsNameTheLinks()
    {
        WindowFixture f;
        TfmScript& w = openWithSteps(f);
        const auto tip = [&](int row, int column) {
            return w.stepModel().index(row, column).data(Qt::ToolTipRole).toString();
        };
        QCOMPARE(tip(0, 0), QStringLiteral("Warning: step 1: GOTO_ON_ABRT = 9 points past the end (3 steps)\n"
                                           "GOTO_ON_SUCCES → step 2: D2 Verify drive parameters\n"
                                           "GOTO_ON_ERR → no next step\n"
                                           "GOTO_ON_ABRT → step 9: outside the script (3 steps)"));
        QCOMPARE(tip(0, 1), tip(0, 0));
        QCOMPARE(tip(2, 0), QStringLiteral("GOTO_ON_SUCCES → no step: step numbers start at 1\n"
                                           "GOTO_ON_ERR → no step: step numbers start at 1\n"
                                           "GOTO_ON_ABRT → no step: step numbers start at 1"));
    }
};

QTEST_MAIN(TestFieldInspector)
#include "tst_fieldinspector.moc"
