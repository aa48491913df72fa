// The compare window over the main window: the two scripts aligned line by
// line with gaps, scrolling and selecting together, F7 and Shift+F7, "Take
// from other" through the editor with the links renumbered, following the
// edits of the main script, closing with a new script or the main window,
// and showing after an upgrade exactly what pstool --compare prints.

#include "WindowFixture.h"

#include "support/CompareSteps.h"

#include "ui/compare/CompareFieldsModel.h"
#include "ui/compare/CompareSideModel.h"
#include "ui/compare/CompareWindow.h"

#include <QtCore/QProcess>
#include <QtCore/QRegularExpression>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QTableView>

using pst::test::Step;
using pst::test::stepModule;

namespace {

using Links = std::array<std::uint16_t, 3>;

CompareWindow* openCompare(WindowFixture& f, const QString& other)
{
    f.prompts().openAnswers.push_back(f.path(other));
    choose(f.window(), "miCompareWith");
    CompareWindow* c = f.window().compareWindow();
    if (!c || !QTest::qWaitForWindowExposed(c))
        return nullptr;
    c->activateWindow();
    return QTest::qWaitForWindowActive(c) ? c : nullptr;
}

QVariant cell(const StepListView* list, int line, int role)
{
    return list->model()->index(line, 0).data(role);
}

// The lines as "left=right" (same), "left~right" (changed) and "left|right"
// (a step on one side), "." for a gap.
QString lines(const CompareWindow& c)
{
    QStringList out;
    for (int line = 0; line < c.otherList()->model()->rowCount(); ++line) {
        const QString l = cell(c.otherList(), line, Qt::DisplayRole).toString();
        const QString r = cell(c.editedList(), line, Qt::DisplayRole).toString();
        const auto kind = static_cast<pst::LineKind>(cell(c.editedList(), line, CompareSideModel::KindRole).toInt());
        const char* mark = kind == pst::LineKind::Same ? "=" : kind == pst::LineKind::Changed ? "~" : "|";
        out << (l.isEmpty() ? "." : l) + QLatin1String(mark) + (r.isEmpty() ? "." : r);
    }
    return out.join(QLatin1Char(' '));
}

// The row of the field table that shows `name`.
int fieldRow(const CompareWindow& c, const QString& name)
{
    const QAbstractItemModel* m = c.fieldTable()->model();
    for (int row = 0; row < m->rowCount(); ++row)
        if (m->index(row, CompareFieldsModel::NameColumn).data().toString() == name)
            return row;
    return -1;
}

QString fieldText(const CompareWindow& c, const QString& name, int column)
{
    return c.fieldTable()->model()->index(fieldRow(c, name), column).data().toString();
}

std::vector<Links> links(const pst::Editor& e)
{
    std::vector<Links> out;
    for (const pst::StepRow& row : e.steps().rows())
        out.push_back({row.record.link(0), row.record.link(1), row.record.link(2)});
    return out;
}

// What the window shows, in the lines pstool --compare prints: "- step L
// (ID)", "+ step R (ID)", with " moved to/from step N", and "~ step L = R
// (ID): FIELD a -> b" with the steps a link names.
QStringList asPstoolLines(CompareWindow& c)
{
    static const QRegularExpression moved(QStringLiteral("moved: step (\\d+) there"));
    static const QRegularExpression link(QStringLiteral("^(\\S+) \\((.*)\\)$"));
    QStringList out;
    for (int line = 0; line < c.otherList()->model()->rowCount(); ++line) {
        const auto kind = static_cast<pst::LineKind>(cell(c.editedList(), line, CompareSideModel::KindRole).toInt());
        const int l = cell(c.otherList(), line, CompareSideModel::RowRole).toInt();
        const int r = cell(c.editedList(), line, CompareSideModel::RowRole).toInt();
        const StepListView* present = l >= 0 ? c.otherList() : c.editedList();
        const QRegularExpressionMatch m = moved.match(cell(present, line, Qt::ToolTipRole).toString());
        if (kind == pst::LineKind::OnlyLeft)
            out << QStringLiteral("- step %1 (%2)").arg(l + 1).arg(cell(present, line, Qt::DisplayRole).toString())
                    + (m.hasMatch() ? QStringLiteral(" moved to step ") + m.captured(1) : QString());
        if (kind == pst::LineKind::OnlyRight)
            out << QStringLiteral("+ step %1 (%2)").arg(r + 1).arg(cell(present, line, Qt::DisplayRole).toString())
                    + (m.hasMatch() ? QStringLiteral(" moved from step ") + m.captured(1) : QString());
        if (kind != pst::LineKind::Changed && !(kind == pst::LineKind::OnlyRight && m.hasMatch()))
            continue;
        c.selectLine(line);
        const int left = kind == pst::LineKind::Changed ? l : m.captured(1).toInt() - 1;
        const QString head = QStringLiteral("~ step %1 = %2 (%3): ")
                                 .arg(left + 1)
                                 .arg(r + 1)
                                 .arg(cell(c.editedList(), line, Qt::DisplayRole).toString());
        const auto* fields = static_cast<const CompareFieldsModel*>(c.fieldTable()->model());
        for (int row = 0; row < fields->rowCount(); ++row) {
            if (!fields->difference(row))
                continue;
            const QString name = fields->index(row, CompareFieldsModel::NameColumn).data().toString();
            const QString a = fields->index(row, CompareFieldsModel::OtherColumn).data().toString();
            const QString b = fields->index(row, CompareFieldsModel::EditedColumn).data().toString();
            const QRegularExpressionMatch la = link.match(a), lb = link.match(b);
            if (la.hasMatch() && lb.hasMatch())
                out << head + QStringLiteral("%1 %2 -> %3 (%4 -> %5)")
                                  .arg(name, la.captured(1), lb.captured(1), la.captured(2), lb.captured(2));
            else
                out << head + QStringLiteral("%1 %2 -> %3").arg(name, a, b);
        }
    }
    return out;
}

} // namespace

class TestCompareWindow : public QObject {
    Q_OBJECT

private slots:
    void listsAlignScrollTogetherAndF7Moves()
    {
        // 60 steps; the editor has one more at step 4 and another P1 at step 51.
        std::vector<Step> other, edited;
        for (std::uint16_t i = 0; i < 60; ++i)
            other.push_back({static_cast<std::uint16_t>(0x100 + i), i == 49 ? 2u : 0u});
        edited = other;
        edited[49].p1 = 1;
        edited.insert(edited.begin() + 3, Step{0xDC});
        WindowFixture f;
        f.writeModule(QStringLiteral("other.rpm"), stepModule(other));
        f.writeModule(QStringLiteral("edited.rpm"), stepModule(edited));
        TfmScript& w = f.show();
        f.load(QStringLiteral("edited.rpm"));
        CompareWindow* c = openCompare(f, QStringLiteral("other.rpm"));
        QVERIFY(c);
        QCOMPARE(c->windowTitle(), QStringLiteral("Compare with ") + f.path(QStringLiteral("other.rpm")));

        QVERIFY(lines(*c).startsWith(QStringLiteral("100=100 101=101 102=102 .|DC 103=103")));
        QVERIFY(lines(*c).contains(QStringLiteral("130=130 131~131 132=132")));
        QCOMPARE(c->otherList()->model()->rowCount(), 61);
        QCOMPARE(c->editedList()->model()->rowCount(), 61);
        // Opened at the first difference: the gap on the left.
        QCOMPARE(c->selectedLine(), 3);
        QCOMPARE(c->otherList()->selectedRow(), 3);
        QCOMPARE(cell(c->otherList(), 3, CompareSideModel::RowRole).toInt(), -1);
        QCOMPARE(cell(c->editedList(), 3, CompareSideModel::RowRole).toInt(), 3);
        QCOMPARE(c->statusText(), QStringLiteral("60 steps in other.rpm, 61 in the editor: 0 removed, 1 added, 0 moved, 1 changed"));

        QTest::keyClick(c, Qt::Key_F7);
        QCOMPARE(c->selectedLine(), 50);
        QCOMPARE(c->otherList()->selectedRow(), 50);
        QVERIFY(c->editedList()->verticalScrollBar()->value() > 0);
        QCOMPARE(c->otherList()->verticalScrollBar()->value(), c->editedList()->verticalScrollBar()->value());
        QVERIFY(c->editedList()->viewport()->rect().intersects(
            c->editedList()->visualRect(c->editedList()->model()->index(50, 0))));
        QCOMPARE(fieldText(*c, QStringLiteral("P1"), CompareFieldsModel::OtherColumn), QStringLiteral("2"));
        QCOMPARE(fieldText(*c, QStringLiteral("P1"), CompareFieldsModel::EditedColumn), QStringLiteral("1"));
        QVERIFY(!c->fieldTable()->model()->index(fieldRow(*c, QStringLiteral("P1")), 0).data(Qt::BackgroundRole).isNull());
        QVERIFY(c->fieldTable()->model()->index(fieldRow(*c, QStringLiteral("P2")), 0).data(Qt::BackgroundRole).isNull());

        QTest::keyClick(c, Qt::Key_F7);
        QCOMPARE(c->selectedLine(), 50);
        QCOMPARE(c->statusText(), QStringLiteral("No further difference"));
        // Made anew (as after an edit): the selection and the scrolling stay.
        const int scrolled = c->editedList()->verticalScrollBar()->value();
        c->recompute();
        QCOMPARE(c->selectedLine(), 50);
        QCOMPARE(c->editedList()->verticalScrollBar()->value(), scrolled);
        QCOMPARE(c->otherList()->verticalScrollBar()->value(), scrolled);
        QTest::keyClick(c, Qt::Key_F7, Qt::ShiftModifier);
        QCOMPARE(c->selectedLine(), 3);

        // A click on either list selects the line in both.
        c->otherList()->scrollToTop();
        const QModelIndex five = c->otherList()->model()->index(5, 0);
        QTest::mouseClick(c->otherList()->viewport(), Qt::LeftButton, {}, c->otherList()->visualRect(five).center());
        QCOMPARE(c->editedList()->selectedRow(), 5);
        QVERIFY(!c->takeButton()->isEnabled()); // the same on both sides
        QCOMPARE(w.editor().steps().size(), 61); // nothing changed in the editor
    }

    void takeFromOtherInsertsWithTheLinksRenumbered()
    {
        WindowFixture f;
        f.writeModule(QStringLiteral("other.rpm"), stepModule({{0x10, 0, 2}, {0x11, 7, 3}, {0x12, 0, 4},
                                                             {0x13, 0, 0xFFFF}, {0x14, 5}}));
        f.writeModule(QStringLiteral("edited.rpm"), stepModule({{0x10, 0, 2}, {0x12, 0, 3}, {0x13, 0, 0xFFFF}, {0x14, 6}}));
        TfmScript& w = f.show();
        f.load(QStringLiteral("edited.rpm"));
        CompareWindow* c = openCompare(f, QStringLiteral("other.rpm"));
        QVERIFY(c);
        QCOMPARE(lines(*c), QStringLiteral("10~10 11|. 12=12 13=13 14~14"));

        c->selectLine(1);
        QVERIFY(c->takeButton()->isEnabled());
        const std::vector<Links> before = links(w.editor());
        c->takeButton()->click();
        QCOMPARE(w.editor().steps().size(), 5);
        QCOMPARE(w.editor().steps().row(1).caption.str(), std::string("11"));
        QCOMPARE(f.hexBytes().at(4), char(7)); // the hex view shows the step taken
        QVERIFY(w.editor().modified());
        // Insert renumbered the links behind the new step; the new one names 12.
        QCOMPARE(links(w.editor()), (std::vector<Links>{{2, 0, 0}, {3, 0, 0}, {4, 0, 0}, {0xFFFF, 0, 0}, {0, 0, 0}}));
        QCOMPARE(w.lvScript()->selectedRow(), 1);
        QCOMPARE(lines(*c), QStringLiteral("10=10 11=11 12=12 13=13 14~14"));
        QCOMPARE(c->selectedLine(), 1);

        // The take is one step of the history: undone with its renumbering, then redone.
        QCOMPARE(w.miUndo()->text(), QStringLiteral("Undo Take from other"));
        w.miUndo()->trigger();
        QCOMPARE(links(w.editor()), before);
        QCOMPARE(w.editor().steps().size(), 4);
        QVERIFY(!w.editor().modified());
        w.miRedo()->trigger();
        QCOMPARE(w.editor().steps().size(), 5);
        QCOMPARE(links(w.editor()), (std::vector<Links>{{2, 0, 0}, {3, 0, 0}, {4, 0, 0}, {0xFFFF, 0, 0}, {0, 0, 0}}));
        QTRY_COMPARE(lines(*c), QStringLiteral("10=10 11=11 12=12 13=13 14~14"));
        c->selectLine(1);

        // One field alone: P1 of the last step.
        QTest::keyClick(c, Qt::Key_F7);
        QCOMPARE(c->selectedLine(), 4);
        c->fieldTable()->selectRow(fieldRow(*c, QStringLiteral("P1")));
        c->takeButton()->click();
        QCOMPARE(w.editor().steps().row(4).record.param(1), 5u);
        QCOMPARE(w.lvScript()->selectedRow(), 4);
        QCOMPARE(c->statusText(), QStringLiteral("5 steps in other.rpm, 5 in the editor: no differences"));
        QCOMPARE(c->fieldTable()->selectionModel()->selectedRows().value(0).row(), fieldRow(*c, QStringLiteral("P1")));
        QVERIFY(!c->takeButton()->isEnabled());
        QVERIFY(f.prompts().errors.isEmpty());
    }

    void followsTheEditsAndClosesWithTheScript()
    {
        WindowFixture f;
        f.writeModule(QStringLiteral("other.rpm"), stepModule({{0x10}, {0x11}, {0x12}, {0x13}}));
        f.writeModule(QStringLiteral("edited.rpm"), stepModule({{0x10}, {0x11}, {0x12}, {0x13}}));
        TfmScript& w = f.show();
        f.load(QStringLiteral("edited.rpm"));
        CompareWindow* c = openCompare(f, QStringLiteral("other.rpm"));
        QVERIFY(c);
        QCOMPARE(c->statusText(), QStringLiteral("4 steps in other.rpm, 4 in the editor: no differences"));
        c->selectLine(2);

        // An edit in the main window: shown a moment later, the line kept with its step.
        w.session().run([&] { w.editor().selectAndShow(0); });
        choose(w, "miDelete");
        QTRY_COMPARE(lines(*c), QStringLiteral("10|. 11=11 12=12 13=13"));
        QCOMPARE(c->selectedLine(), 2);
        QCOMPARE(cell(c->otherList(), 2, Qt::DisplayRole).toString(), QStringLiteral("12"));

        // A new script in the editor closes the window.
        QPointer<CompareWindow> watched(c);
        f.load(QStringLiteral("edited.rpm"));
        QTRY_VERIFY(!watched);
        QVERIFY(!w.compareWindow());

        // So does closing the main window.
        watched = openCompare(f, QStringLiteral("other.rpm"));
        QVERIFY(watched);
        w.close();
        QTRY_VERIFY(!watched);
    }

    // pstool --load a.rpm --upgrade --save b.rpm --compare a.rpm, and the same
    // in the window: the window shows line for line what pstool prints.
    void showsWhatPstoolShowsAfterAnUpgrade()
    {
        WindowFixture f;
        const QDir samples(QStringLiteral(SAMPLES_DIR));
        QFile sample(samples.filePath(QStringLiteral("script-royl-28.rpm")));
        QVERIFY(sample.open(QIODevice::ReadOnly));
        f.write(QStringLiteral("a.rpm"), sample.readAll());
        for (const char* catalog : {"ModDescr.ini", "Errors.ini", "SCRIPTS.INI"}) {
            QFile file(samples.filePath(QLatin1String(catalog)));
            QVERIFY(file.open(QIODevice::ReadOnly));
            f.write(QStringLiteral("bin/") + QLatin1String(catalog), file.readAll());
        }

        QProcess pstool;
        pstool.setWorkingDirectory(f.path(QString()));
        pstool.start(QStringLiteral(PSTOOL_PATH), {"--load", "a.rpm", "--upgrade", "--save", "b1.rpm", "--compare", "a.rpm"});
        QVERIFY(pstool.waitForFinished(60000));
        QCOMPARE(pstool.exitCode(), 3);
        QStringList printed = QString::fromUtf8(pstool.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(printed.size() > 5);
        const QString summary = printed.takeLast();

        TfmScript& w = f.show();
        f.load(QStringLiteral("a.rpm"));
        choose(w, "miUpgradeScript");
        f.prompts().saveAnswers.push_back(f.path(QStringLiteral("b2.rpm")));
        f.panel().btWrite->click();
        QCOMPARE(f.read(QStringLiteral("b2.rpm")), f.read(QStringLiteral("b1.rpm")));
        CompareWindow* c = openCompare(f, QStringLiteral("a.rpm"));
        QVERIFY(c);
        QCOMPARE(QStringLiteral("= ") + c->statusText(), summary);
        QCOMPARE(asPstoolLines(*c), printed);
        QVERIFY(f.prompts().errors.isEmpty());
    }
};

QTEST_MAIN(TestCompareWindow)
#include "tst_comparewindow.moc"
