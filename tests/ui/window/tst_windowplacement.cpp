// The stored window placement, in an isolated settings file: what closing
// writes, and the restore rules (screen-size names first, the pixel density,
// unusable positions, the show state, the form version).

#include "WindowFixture.h"

#include <QtGui/QScreen>

#include <sys/stat.h>

namespace {
QString suffix()
{
    const QSize s = QGuiApplication::primaryScreen()->size();
    return QStringLiteral("(%1x%2)").arg(s.width()).arg(s.height());
}

int dpi() { return qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch()); }

void store(const WindowFixture& f, const QMap<QString, QString>& values)
{
    QSettings s(f.settingsFile(), QSettings::IniFormat);
    s.beginGroup(QStringLiteral("TfmScript"));
    for (auto it = values.begin(); it != values.end(); ++it)
        s.setValue(it.key(), it.value());
}

QMap<QString, QString> pairs(const QStringList& values)
{
    QMap<QString, QString> map;
    for (qsizetype i = 0; i + 1 < values.size(); i += 2)
        map[values.at(i)] = values.at(i + 1);
    return map;
}

// The window at its design size, its frame centred on the desktop.
bool isCentredAtDesignSize(const QWidget& w)
{
    const QPoint offset = w.frameGeometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    return w.size() == TfmScript::kDesignSize && qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1;
}
} // namespace

class TestWindowPlacement : public QObject {
    Q_OBJECT

private slots:
    void firstStartIsCentredAndClosingStoresThePlace()
    {
        WindowFixture f;
        TfmScript& w = f.show();
        QVERIFY(isCentredAtDesignSize(w));
        w.setGeometry(40, 50, 600, 500);
        f.closeWindow();
        const QString norm = QStringLiteral("40,50,640,550");
        const QMap<QString, QString> expected = {
            {"FormVersion", "0"},
            {"Flags", "0"},
            {"ShowCmd", "1"},
            {"PixelsPerInch", QString::number(dpi())},
            {"MinMaxPos" + suffix(), "-1,-1,-1,-1"},
            {"MinMaxPos", "-1,-1,-1,-1"},
            {"NormPos" + suffix(), norm},
            {"NormPos", norm},
            {"Visible", "0"},
            {"FieldInspector", "0"},
            {"FieldInspectorWidth", "540"},
        };
        QCOMPARE(f.storedPlacement(), expected);

        TfmScript& again = f.show();
        QCOMPARE(again.geometry(), QRect(40, 50, 600, 500));
    }

    void restoreRules_data()
    {
        QTest::addColumn<QStringList>("values"); // key, value, key, value...
        QTest::addColumn<QRect>("geometry");     // null: centred at design size
        const QString ppi = QString::number(dpi());
        QTest::newRow("screen-size name first")
            << QStringList{"NormPos" + suffix(), "10,20,610,520", "NormPos", "30,40,630,540"} << QRect(10, 20, 600, 500);
        QTest::newRow("plain name when the sized one is empty")
            << QStringList{"NormPos" + suffix(), "", "NormPos", "30,40,630,540"} << QRect(30, 40, 600, 500);
        QTest::newRow("blanks and commas split words")
            << QStringList{"NormPos", " 30 40,,630 , 540"} << QRect(30, 40, 600, 500);
        QTest::newRow("same pixels per inch") << QStringList{"NormPos", "30,40,630,540", "PixelsPerInch", ppi}
                                              << QRect(30, 40, 600, 500);
        QTest::newRow("other pixels per inch") << QStringList{"NormPos", "30,40,630,540", "PixelsPerInch", "144"}
                                               << QRect();
        QTest::newRow("left not below right") << QStringList{"NormPos", "630,40,630,540"} << QRect();
        QTest::newRow("negative form version") << QStringList{"NormPos", "30,40,630,540", "FormVersion", "-1"}
                                               << QRect();
        // Missing words take the window's current edges: before it is first
        // placed its corner is at 0,0, and the width is held at the minimum.
        QTest::newRow("missing words keep the current ones") << QStringList{"NormPos", "30,40"}
                                                             << QRect(30, 40, 550, 676);
    }
    void restoreRules()
    {
        QFETCH(QStringList, values);
        QFETCH(QRect, geometry);
        WindowFixture f;
        store(f, pairs(values));
        TfmScript& w = f.show();
        if (geometry.isNull())
            QVERIFY(isCentredAtDesignSize(w));
        else
            QCOMPARE(w.geometry(), geometry);
        QVERIFY(!w.isMaximized());
    }

    // A stored place is taken even without a usable NormPos: the window keeps
    // its size and is not centred.
    void aMinMaxPositionAloneStopsTheCentring()
    {
        WindowFixture f;
        store(f, {{"MinMaxPos", "-1,-1,-1,-1"}});
        TfmScript& w = f.show();
        QCOMPARE(w.size(), TfmScript::kDesignSize);
        QVERIFY(!isCentredAtDesignSize(w));
    }

    // A place where no screen is any more would leave the window out of
    // reach: it comes back onto the screen with its size.
    void aPlaceOffEveryScreenIsBroughtBack()
    {
        WindowFixture f;
        store(f, {{"NormPos", "-5000,-5000,-4400,-4500"}});
        TfmScript& w = f.show();
        QCOMPARE(w.size(), QSize(600, 500));
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().intersects(w.geometry()));
    }

    void showStates()
    {
        WindowFixture maximised;
        store(maximised, {{"ShowCmd", "3"}, {"NormPos", "30,40,630,540"}});
        TfmScript& big = maximised.show();
        QTRY_VERIFY(big.isMaximized());
        QCOMPARE(big.normalGeometry(), QRect(30, 40, 600, 500));
        maximised.closeWindow();
        QCOMPARE(maximised.storedPlacement().value("ShowCmd"), QStringLiteral("3"));
        QCOMPARE(maximised.storedPlacement().value("NormPos"), QStringLiteral("30,40,630,540"));

        WindowFixture minimised;
        store(minimised, {{"ShowCmd", "2"}});
        TfmScript& small = minimised.show();
        QTRY_VERIFY(small.isMinimized());
        QVERIFY(!small.isMaximized());
    }

    // A window closed where it was opened leaves the file as it is: not
    // rewritten (a new file put in its place) at every exit.
    void anUnchangedPlaceIsNotWrittenAgain()
    {
        WindowFixture f;
        TfmScript& w = f.show();
        w.setGeometry(40, 50, 600, 500);
        f.closeWindow();
        const auto inode = [&] {
            struct stat st {};
            return ::stat(QFile::encodeName(f.settingsFile()).constData(), &st) == 0 ? st.st_ino : ino_t(0);
        };
        const ino_t first = inode();
        QVERIFY(first != 0);
        f.show();
        f.closeWindow();
        QCOMPARE(inode(), first);

        TfmScript& moved = f.show();
        moved.setGeometry(60, 50, 600, 500);
        f.closeWindow();
        QVERIFY(inode() != first);
        QCOMPARE(f.storedPlacement().value("NormPos"), QStringLiteral("60,50,660,550"));
    }

    void savedOnlyAfterShowing()
    {
        WindowFixture never;
        never.open();
        never.closeWindow();
        QVERIFY(!QFile::exists(never.settingsFile()));

        // Destroyed without a close: kept all the same, marked visible.
        WindowFixture destroyed;
        destroyed.show();
        destroyed.destroyWindow();
        QCOMPARE(destroyed.storedPlacement().value("Visible"), QStringLiteral("1"));
        QCOMPARE(destroyed.storedPlacement().value("FormVersion"), QStringLiteral("0"));
    }

    void aSettingsFileThatCannotBeWrittenIsReported()
    {
        WindowFixture f;
        QDir().mkpath(f.settingsFile()); // a folder where the file should be
        TfmScript& w = f.show();
        QTRY_COMPARE(f.prompts().errors.size(), 1);
        QVERIFY(f.prompts().errors.back().startsWith(QStringLiteral("Cannot read the window placement from ")));
        QVERIFY(isCentredAtDesignSize(w));
        QVERIFY(w.close()); // the window closes all the same
        QCOMPARE(f.prompts().errors.size(), 2);
        QVERIFY(f.prompts().errors.back().startsWith(QStringLiteral("Cannot write the window placement to ")));
    }

    void positionWords()
    {
        using W = std::array<std::optional<int>, 4>;
        QCOMPARE(WindowPlacement::positionWords(QStringLiteral("1,2,3,4,5")), (W{1, 2, 3, 4}));
        QCOMPARE(WindowPlacement::positionWords(QStringLiteral("  -1 , 2\t3")), (W{-1, 2, 3, std::nullopt}));
        QCOMPARE(WindowPlacement::positionWords(QStringLiteral("x,2,,y,4")), (W{std::nullopt, 2, std::nullopt, 4}));
        QCOMPARE(WindowPlacement::positionWords(QString()), W{});
    }
};

QTEST_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
