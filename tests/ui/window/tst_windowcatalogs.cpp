// The custom test boxes over a temporary SCRIPTS.INI: filled when the window
// shows, refilled when the family changes, and "Write to INI current Test"
// adding the custom test to the family's section. Names that are not UTF-8
// find their section again.

#include "WindowFixture.h"

#include <QtWidgets/QToolButton>

namespace {
QStringList items(const QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}
} // namespace

class TestWindowCatalogs : public QObject {
    Q_OBJECT

private slots:
    void showingFillsTheBoxes()
    {
        WindowFixture f;
        f.write(QStringLiteral("bin/SCRIPTS.INI"), "[Lab]\nHeads bias=\nLong scan=\n[Work]\nQuick=\n");
        f.show();
        QCOMPARE(items(f.panel().cbFamily), QStringList({"Lab", "Work"}));
        QCOMPARE(f.panel().cbFamily->currentText(), QStringLiteral("Lab"));
        QCOMPARE(items(f.panel().cbCustom), QStringList({"Heads bias", "Long scan"}));
        QCOMPARE(f.panel().cbCustom->currentText(), QStringLiteral("Test Description"));
        QVERIFY(f.window().heScript()->hint().startsWith(QStringLiteral("Offset 00 - TEST_ID\n")));
    }

    void withoutTheFileTheBoxesStayEmpty()
    {
        WindowFixture f;
        f.show();
        QCOMPARE(f.panel().cbFamily->count(), 0);
        QCOMPARE(f.panel().cbFamily->currentText(), QStringLiteral("Work"));
        QCOMPARE(f.panel().cbCustom->count(), 0);
        QVERIFY(f.prompts().warnings.isEmpty());
    }

    void choosingAFamilyRefillsTheCustomTests()
    {
        WindowFixture f;
        f.write(QStringLiteral("bin/SCRIPTS.INI"), "[Lab]\nHeads bias=\n[Work]\nQuick=\nFull=\n");
        f.show();
        f.panel().cbCustom->setEditText(QStringLiteral("my test"));
        f.panel().cbFamily->setCurrentIndex(1);
        QCOMPARE(items(f.panel().cbCustom), QStringList({"Quick", "Full"}));
        QCOMPARE(f.panel().cbCustom->currentText(), QStringLiteral("my test"));
        QCOMPARE(QString::fromStdString(f.editor().familyText()), QStringLiteral("Work"));

        // Choosing a custom test changes nothing but the text.
        const QByteArray file = f.read(QStringLiteral("bin/SCRIPTS.INI"));
        f.panel().cbCustom->setCurrentIndex(1);
        QCOMPARE(f.panel().cbCustom->currentText(), QStringLiteral("Full"));
        QCOMPARE(items(f.panel().cbCustom), QStringList({"Quick", "Full"}));
        QCOMPARE(f.read(QStringLiteral("bin/SCRIPTS.INI")), file);

        // A blank family is refused, the lists stay.
        f.panel().cbFamily->setEditText(QStringLiteral(" "));
        QCOMPARE(f.prompts().warnings, QStringList({"Need Enter Name"}));
        QCOMPARE(items(f.panel().cbCustom), QStringList({"Quick", "Full"}));
    }

    void writeToIniAddsTheCustomTest()
    {
        WindowFixture f;
        f.write(QStringLiteral("bin/SCRIPTS.INI"), "[Lab]\nHeads bias=\n");
        f.show();
        f.panel().cbFamily->setEditText(QStringLiteral("Night"));
        f.panel().cbCustom->setEditText(QStringLiteral("Long scan"));
        QTest::mouseClick(f.panel().btWriteToIni, Qt::LeftButton);
        QCOMPARE(items(f.panel().cbFamily), QStringList({"Lab", "Night"}));
        QCOMPARE(items(f.panel().cbCustom), QStringList({"Long scan"}));
        QCOMPARE(f.panel().cbFamily->currentText(), QStringLiteral("Night"));
        QCOMPARE(f.panel().cbCustom->currentText(), QStringLiteral("Long scan"));
        QVERIFY(f.read(QStringLiteral("bin/SCRIPTS.INI")).contains("[Night]"));

        f.panel().cbCustom->setEditText(QString());
        f.panel().btWriteToIni->click();
        QCOMPARE(f.prompts().warnings, QStringList({"Need Enter Name"}));
    }

    // A section named in Latin-1 shows decoded and is written to as it is.
    void latin1NamesFindTheirSection()
    {
        WindowFixture f;
        f.write(QStringLiteral("bin/SCRIPTS.INI"), "[Caf\xE9]\nOld=\n");
        f.write(QStringLiteral("bin/ModDescr.ini"), "[Desc]\nDC=Pr\xFC" "fung\n");
        f.writeModule(QStringLiteral("m.rpm"), pst::test::ModuleBuilder().step(0xDC));
        f.show();
        QCOMPARE(f.panel().cbFamily->currentText(), QStringLiteral("Caf\u00E9"));
        f.load(QStringLiteral("m.rpm"));
        QCOMPARE(f.panel().cbCustom->currentText(), QStringLiteral("Pr\u00FCfung"));
        f.panel().btWriteToIni->click();
        QCOMPARE(f.read(QStringLiteral("bin/SCRIPTS.INI")), QByteArray("[Caf\xE9]\nOld=\nPr\xFC" "fung=\n"));
        QCOMPARE(items(f.panel().cbCustom), QStringList({"Old", "Pr\u00FCfung"}));
    }
};

QTEST_MAIN(TestWindowCatalogs)
#include "tst_windowcatalogs.moc"
