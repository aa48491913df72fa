// Unsaved edits are asked about before the window closes, before Load opens
// its dialog and before a dropped file replaces the script: Save, Discard
// or Cancel, each answered by the scripted prompts. Nothing is asked when
// nothing is unsaved. Also the real question boxes' buttons and keys.

#include "WindowFixture.h"

#include "ui/session/DialogPrompts.h"

#include <QtCore/QMimeData>
#include <QtCore/QUrl>
#include <QtGui/QDropEvent>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QPushButton>

using pst::SaveChangesAnswer;
using pst::test::ModuleBuilder;

Q_DECLARE_METATYPE(pst::SaveChangesAnswer)

namespace {
ModuleBuilder twoSteps() { return ModuleBuilder().step(0x10).step(0x11); }

// A window with a.rpm loaded and one step inserted, so unsaved.
TfmScript& editedWindow(WindowFixture& f)
{
    f.writeModule(QStringLiteral("a.rpm"), twoSteps());
    f.writeModule(QStringLiteral("b.rpm"), ModuleBuilder().step(0xB1));
    TfmScript& w = f.show();
    f.load(QStringLiteral("a.rpm"));
    choose(w, "miInsert");
    return w;
}

void dropOn(TfmScript& w, const QString& path)
{
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &enter);
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &drop);
    QCoreApplication::processEvents();
}

QAbstractButton* buttonOf(QMessageBox& box, const QString& text)
{
    for (QAbstractButton* b : box.buttons())
        if (b->text() == text)
            return b;
    return nullptr;
}

// Presses `key` in the question box once it is shown, and reports its
// buttons' texts (sorted) and which one is the default.
struct BoxAnswer {
    QStringList buttons;
    QString defaultButton;
};
void answerBoxWith(Qt::Key key, BoxAnswer& seen)
{
    QTimer::singleShot(0, [key, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) { // not shown yet
            answerBoxWith(key, seen);
            return;
        }
        for (QAbstractButton* b : box->buttons())
            seen.buttons << b->text();
        seen.buttons.sort();
        seen.defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        QTest::keyClick(box, key);
        if (box->isVisible()) // the key did not end the box: Discard, the wrong answer, does
            buttonOf(*box, QStringLiteral("Discard"))->click();
    });
}
} // namespace

class TestWindowClose : public QObject {
    Q_OBJECT

private slots:
    void nothingUnsavedClosesWithoutAQuestion()
    {
        WindowFixture f;
        f.writeModule(QStringLiteral("a.rpm"), twoSteps());
        TfmScript& w = f.show();
        QVERIFY(w.close());
        TfmScript& again = f.show();
        f.load(QStringLiteral("a.rpm"));
        again.editor().selectRow(1); // selecting is no edit
        QVERIFY(again.close());
        QCOMPARE(f.prompts().saveChangesAsked, 0);
    }

    void closingAnEditedScript_data()
    {
        QTest::addColumn<SaveChangesAnswer>("answer");
        QTest::addColumn<QString>("saveAs"); // empty: the save dialog cancelled
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("written");
        QTest::newRow("cancel") << SaveChangesAnswer::Cancel << "" << false << false;
        QTest::newRow("discard") << SaveChangesAnswer::Discard << "" << true << false;
        QTest::newRow("save") << SaveChangesAnswer::Save << "out.rpm" << true << true;
        QTest::newRow("save, its dialog cancelled") << SaveChangesAnswer::Save << "" << false << false;
        QTest::newRow("save, the file not written") << SaveChangesAnswer::Save << "missing/out.rpm" << false << false;
    }
    void closingAnEditedScript()
    {
        QFETCH(SaveChangesAnswer, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, closes);
        QFETCH(bool, written);
        WindowFixture f;
        TfmScript& w = editedWindow(f);
        const QString title = w.windowTitle();
        QVERIFY(!title.contains(QLatin1Char('*')));
        f.prompts().saveChangesAnswers.push_back(answer);
        f.prompts().saveAnswers.push_back(saveAs.isEmpty() ? QString() : f.path(saveAs));

        QCOMPARE(w.close(), closes);

        QCOMPARE(f.prompts().saveChangesAsked, 1);
        QCOMPARE(w.isVisible(), !closes);
        QCOMPARE(QFile::exists(f.path(QStringLiteral("out.rpm"))), written);
        QCOMPARE(f.prompts().errors.size(), saveAs.startsWith(QLatin1String("missing")) ? 1 : 0);
        if (!closes) {
            QCOMPARE(w.editor().steps().size(), 3);
            QVERIFY(w.editor().modified());
            QCOMPARE(w.windowTitle(), title);
        }
    }

    // Load asks before its dialog opens; Cancel shows no dialog at all.
    void loadAsksFirst_data()
    {
        QTest::addColumn<SaveChangesAnswer>("answer");
        QTest::addColumn<QString>("saveAs");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<int>("rows");
        QTest::newRow("cancel") << SaveChangesAnswer::Cancel << "" << false << 3;
        QTest::newRow("discard") << SaveChangesAnswer::Discard << "" << true << 1;
        QTest::newRow("save") << SaveChangesAnswer::Save << "out.rpm" << true << 1;
        QTest::newRow("save, its dialog cancelled") << SaveChangesAnswer::Save << "" << false << 3;
    }
    void loadAsksFirst()
    {
        QFETCH(SaveChangesAnswer, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, opened);
        QFETCH(int, rows);
        WindowFixture f;
        TfmScript& w = editedWindow(f);
        f.prompts().opened.clear();
        f.prompts().saveChangesAnswers.push_back(answer);
        f.prompts().saveAnswers.push_back(saveAs.isEmpty() ? QString() : f.path(saveAs));
        f.load(QStringLiteral("b.rpm"));
        QCOMPARE(f.prompts().saveChangesAsked, 1);
        QCOMPARE(f.prompts().opened.empty(), !opened);
        QCOMPARE(w.editor().steps().size(), rows);
        QCOMPARE(w.editor().modified(), rows == 3);
        if (!saveAs.isEmpty())
            QCOMPARE(w.editor().steps().size(), 1);
    }

    void aDropAsksFirst_data()
    {
        QTest::addColumn<SaveChangesAnswer>("answer");
        QTest::addColumn<QString>("saveAs");
        QTest::addColumn<int>("rows");
        QTest::newRow("cancel") << SaveChangesAnswer::Cancel << "" << 3;
        QTest::newRow("discard") << SaveChangesAnswer::Discard << "" << 1;
        QTest::newRow("save") << SaveChangesAnswer::Save << "out.rpm" << 1;
        QTest::newRow("save, its dialog cancelled") << SaveChangesAnswer::Save << "" << 3;
    }
    void aDropAsksFirst()
    {
        QFETCH(SaveChangesAnswer, answer);
        QFETCH(QString, saveAs);
        QFETCH(int, rows);
        WindowFixture f;
        TfmScript& w = editedWindow(f);
        f.prompts().saveChangesAnswers.push_back(answer);
        f.prompts().saveAnswers.push_back(saveAs.isEmpty() ? QString() : f.path(saveAs));
        dropOn(w, f.path(QStringLiteral("b.rpm")));
        QCOMPARE(f.prompts().saveChangesAsked, 1);
        QCOMPARE(w.editor().steps().size(), rows);
        QCOMPARE(QFile::exists(f.path(QStringLiteral("out.rpm"))), !saveAs.isEmpty());
    }

    // The real box: verb-labelled buttons, Save the default (Enter), Escape
    // cancels.
    void theSaveChangesBox_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<SaveChangesAnswer>("answer");
        QTest::newRow("enter") << int(Qt::Key_Return) << SaveChangesAnswer::Save;
        QTest::newRow("escape") << int(Qt::Key_Escape) << SaveChangesAnswer::Cancel;
    }
    void theSaveChangesBox()
    {
        QFETCH(int, key);
        QFETCH(SaveChangesAnswer, answer);
        QWidget parent;
        DialogPrompts prompts(&parent);
        BoxAnswer seen;
        answerBoxWith(Qt::Key(key), seen);
        QCOMPARE(prompts.askSaveChanges(), answer);
        QCOMPARE(seen.buttons, QStringList({"Cancel", "Discard", "Save"}));
        QCOMPARE(seen.defaultButton, QStringLiteral("Save"));
    }

    // Restore is the default; Escape throws nothing away: the box stays
    // until a button is chosen.
    void theRestoreBox()
    {
        QWidget parent;
        DialogPrompts prompts(&parent);
        BoxAnswer enter;
        answerBoxWith(Qt::Key_Return, enter);
        QCOMPARE(prompts.askRestore(QStringLiteral("1/2/24 3:04 PM")), RestoreAnswer::Restore);
        QCOMPARE(enter.buttons, QStringList({"Discard", "Restore"}));
        QCOMPARE(enter.defaultButton, QStringLiteral("Restore"));

        QString text;
        QTimer::singleShot(0, [&text] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            text = box->text();
            QTest::keyClick(box, Qt::Key_Escape);
            QVERIFY(box->isVisible());
            buttonOf(*box, QStringLiteral("Discard"))->click();
        });
        QCOMPARE(prompts.askRestore(QStringLiteral("1/2/24 3:04 PM")), RestoreAnswer::Discard);
        QCOMPARE(text, QStringLiteral("Restore the unsaved script from 1/2/24 3:04 PM?"));
    }
};

QTEST_MAIN(TestWindowClose)
#include "tst_windowclose.moc"
