// The step list model over the editor's rows: Qt's model tester through
// every kind of change, the exact signals of each (no reset for a one-row
// edit), texts decoded for display, icons and colours; and the list view's
// configuration.

#include "model/StepList.h"
#include "ui/steplist/StepIcons.h"
#include "ui/steplist/StepListModel.h"
#include "ui/steplist/StepListView.h"

#include <QtGui/QMouseEvent>
#include <QtTest/QAbstractItemModelTester>
#include <QtTest/QtTest>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QScrollBar>

namespace {
using pst::StepIcon;
using pst::StepRecord;
using pst::StepRow;

StepRow row(const char* caption, const char* description = "", StepIcon icon = StepIcon::NoResult,
            std::uint16_t goodStep = 2)
{
    StepRecord record(136);
    record.setLink(0, goodStep);
    return {record, caption, description, icon};
}

std::vector<StepRow> rows(int n)
{
    std::vector<StepRow> out;
    for (int i = 0; i < n; ++i)
        out.push_back(row(QByteArray::number(0x10 + i, 16).toUpper().constData(), "step"));
    return out;
}

// A list wired to its model with Qt's tester watching, as the window has it.
struct Fixture {
    Fixture() { steps.reset(rows(4)); }
    QString text(int r, int column = StepListModel::IdColumn) const
    {
        return model.data(model.index(r, column)).toString();
    }
    QStringList ids() const
    {
        QStringList out;
        for (int r = 0; r < model.rowCount(); ++r)
            out << text(r);
        return out;
    }
    pst::StepList steps;
    StepListModel model{steps};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};
};

struct Spies {
    explicit Spies(StepListModel& m)
        : inserted(&m, &QAbstractItemModel::rowsInserted), removed(&m, &QAbstractItemModel::rowsRemoved),
          moved(&m, &QAbstractItemModel::rowsMoved), changed(&m, &QAbstractItemModel::dataChanged),
          reset(&m, &QAbstractItemModel::modelReset)
    {
    }
    QSignalSpy inserted, removed, moved, changed, reset;
};
} // namespace

class TestStepListModel : public QObject {
    Q_OBJECT

private slots:
    void mirrorsEveryKindOfChange()
    {
        Fixture f;
        QCOMPARE(f.ids(), QStringList({"10", "11", "12", "13"}));
        f.steps.insert(2, row("DC"));
        f.steps.insert(5, row("DD"));
        QCOMPARE(f.ids(), QStringList({"10", "11", "DC", "12", "13", "DD"}));
        f.steps.remove(0);
        f.steps.swapWithNext(0);
        f.steps.swapWithNext(3);
        QCOMPARE(f.ids(), QStringList({"DC", "11", "12", "DD", "13"}));
        f.steps.setCaption(4, "F7");
        f.steps.editRecords(1, 1, [](StepRecord& r, int) { r.setLink(0, 0xFFFF); });
        f.steps.FreeStepData();
        f.steps.clear();
        QCOMPARE(f.model.rowCount(), 0);
        f.steps.reset(rows(2));
        QCOMPARE(f.ids(), QStringList({"10", "11"}));
    }

    void eachEditReportsOnlyItsRows()
    {
        Fixture f;
        Spies s(f.model);
        f.steps.insert(1, row("DC"));
        QCOMPARE(s.inserted.count(), 1);
        QCOMPARE(s.inserted.at(0).at(1).toInt(), 1);
        QCOMPARE(s.inserted.at(0).at(2).toInt(), 1);

        f.steps.swapWithNext(2); // row 2 one down: Qt's destination is 4
        QCOMPARE(s.moved.count(), 1);
        QCOMPARE(s.moved.at(0).at(1).toInt(), 2);
        QCOMPARE(s.moved.at(0).at(4).toInt(), 4);

        f.steps.setIcon(3, StepIcon::Failed);
        QCOMPARE(s.changed.count(), 1);
        QCOMPARE(s.changed.at(0).at(0).toModelIndex(), f.model.index(3, 0));
        QCOMPARE(s.changed.at(0).at(1).toModelIndex(), f.model.index(3, 1));

        f.steps.remove(0);
        QCOMPARE(s.removed.count(), 1);
        QCOMPARE(s.reset.count(), 0);
        f.steps.reset(rows(1));
        QCOMPARE(s.reset.count(), 1);
    }

    void textsAreDecodedForDisplay_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ascii") << QByteArray("Read scan") << QStringLiteral("Read scan");
        QTest::newRow("utf-8") << QByteArray("\xC3\xA9tape") << QStringLiteral("\u00E9tape");
        QTest::newRow("latin-1") << QByteArray("\xE9tape \xB0") << QStringLiteral("\u00E9tape \u00B0");
        QTest::newRow("cut utf-8 is latin-1") << QByteArray("x\xC3") << QStringLiteral("x\u00C3");
    }
    void textsAreDecodedForDisplay()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, shown);
        Fixture f;
        f.steps.setDescription(0, stored.toStdString());
        f.steps.setCaption(1, stored.toStdString());
        QCOMPARE(f.text(0, StepListModel::DescriptionColumn), shown);
        QCOMPARE(f.text(1, StepListModel::IdColumn), shown);
    }

    void iconsInTheIdColumn()
    {
        Fixture f;
        const StepIcon icons[] = {StepIcon::Passed, StepIcon::Failed, StepIcon::NoResult, StepIcon::None};
        for (int r = 0; r < 4; ++r)
            f.steps.setIcon(r, icons[r]);
        for (int r = 0; r < 4; ++r) {
            const QModelIndex id = f.model.index(r, StepListModel::IdColumn);
            QCOMPARE(id.data(StepListModel::IconIndexRole).toInt(), static_cast<int>(icons[r]));
            // Rows without an icon keep the icon's room, so the ids line up.
            QVERIFY(!id.data(Qt::DecorationRole).value<QIcon>().isNull());
            QVERIFY(!f.model.index(r, StepListModel::DescriptionColumn).data(Qt::DecorationRole).isValid());
        }
    }

    void theSixIconsAreDrawn()
    {
        StepIcons icons;
        for (int i = 0; i < StepIcons::kCount; ++i) {
            const QImage image = icons.icon(i).pixmap(16, 16).toImage();
            QCOMPARE(image.size(), QSize(16, 16));
            bool painted = false;
            for (int y = 0; y < 16 && !painted; ++y)
                for (int x = 0; x < 16 && !painted; ++x)
                    painted = qAlpha(image.pixel(x, y)) > 0;
            // Only the "no result" image is fully transparent.
            QCOMPARE(painted, i != static_cast<int>(StepIcon::NoResult));
        }
    }

    void colourFollowsTheIdTextAndTheGoodStep()
    {
        Fixture f;
        f.steps.setCaption(0, "DC");
        const QModelIndex dc = f.model.index(0, StepListModel::DescriptionColumn);
        QCOMPARE(dc.data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
        // An id changed in the record only keeps the colour of the ID text.
        f.steps.editRecords(0, 0, [](StepRecord& r, int) { r.setTestId(0xBB); });
        QCOMPARE(dc.data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
        f.steps.editRecords(0, 0, [](StepRecord& r, int) { r.setLink(0, 0xFFFF); });
        QCOMPARE(f.model.index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 255));
        // Ids without a colour of their own leave the palette's text colour.
        QVERIFY(!f.model.index(1, 0).data(Qt::ForegroundRole).isValid());
    }

    void headersAndFlags()
    {
        Fixture f;
        QCOMPARE(f.model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("ID"));
        QCOMPARE(f.model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Description"));
        QVERIFY(!(f.model.flags(f.model.index(0, 0)) & Qt::ItemIsEditable));
        QVERIFY(f.model.flags(f.model.index(0, 1)) & Qt::ItemIsSelectable);
        QVERIFY(!f.model.data(f.model.index(4, 0)).isValid());
    }

    void viewColumnsAndSelection()
    {
        Fixture f;
        StepListView view;
        view.setModel(&f.model);
        view.resize(400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.columnWidth(0), StepListView::kIdColumnWidth);
        QCOMPARE(view.columnWidth(0) + view.columnWidth(1), view.viewport()->width());
        QCOMPARE(view.selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(view.selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(view.editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(view.font().pixelSize(), 11);
        QCOMPARE(view.palette().color(QPalette::Inactive, QPalette::Highlight),
                 view.palette().color(QPalette::Active, QPalette::Highlight));

        view.showSelectedRow(2);
        QCOMPARE(view.selectedRow(), 2);
        view.showSelectedRow(-1);
        QCOMPARE(view.selectedRow(), -1);
    }

    // A load that brings the scroll bar: the columns fill the narrower
    // viewport again.
    void relayoutAfterALongLoadFillsTheViewport()
    {
        Fixture f;
        StepListView view;
        view.setModel(&f.model);
        view.resize(300, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        f.steps.reset(rows(500));
        view.scrollTo(f.model.index(499, 0));
        QTRY_VERIFY(view.verticalScrollBar()->isVisible());
        view.setColumnWidth(0, 90);
        view.relayoutColumns();
        QTRY_COMPARE(view.columnWidth(0) + view.columnWidth(1), view.viewport()->width());
        QCOMPARE(view.columnWidth(0), StepListView::kIdColumnWidth);
    }

    void aClickBelowTheRowsIsReportedNotActedOn()
    {
        Fixture f;
        StepListView view;
        view.setModel(&f.model);
        view.resize(400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.showSelectedRow(1);
        QSignalSpy below(&view, &StepListView::clickedBelowRows);
        const QRect last = view.visualRect(f.model.index(3, 0));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(10, last.bottom() + 20));
        QCOMPARE(below.count(), 1);
        QCOMPARE(view.selectedRow(), 1);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, last.center());
        QCOMPARE(below.count(), 1);
        QCOMPARE(view.selectedRow(), 3);
    }
};

QTEST_MAIN(TestStepListModel)
#include "tst_steplistmodel.moc"
