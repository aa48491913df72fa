// A window with the hex view over one 136-byte step record, to look at the
// widget alone. `--size BYTES` makes the buffer larger (the record stays at
// its start); `--screenshot FILE` types a few bytes, selects a few more,
// saves the window as a PNG and quits.

#include "ui/hexview/HexBufferSource.h"
#include "ui/hexview/HexView.h"
#include "ui/window/StepFieldMap.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QTimer>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QVBoxLayout>
#include <QtWidgets/QWidget>

#include <algorithm>

namespace {
constexpr qint64 kRecordSize = 136;
constexpr std::size_t kErrorCodeOffset = 0x68;

void putU16(QByteArray& bytes, int offset, quint16 value)
{
    bytes[offset] = static_cast<char>(value & 0xFF);
    bytes[offset + 1] = static_cast<char>(value >> 8);
}

QByteArray sampleRecord()
{
    QByteArray record(kRecordSize, '\0');
    putU16(record, 0x00, 0x00DC);
    putU16(record, 0x04, 0x0045);
    putU16(record, 0x0C, 0x000A);
    putU16(record, 0x44, 2);
    putU16(record, 0x48, 5);
    putU16(record, 0x4A, 6);
    putU16(record, 0x4C, 7);
    const QByteArray text("Self scan \xE9tape");
    record.replace(0x50, text.size(), text);
    putU16(record, kErrorCodeOffset, 0xFFFF);
    return record;
}

void typeKeys(QWidget* target, const QString& keys)
{
    for (const QChar c : keys) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
    }
}

// Some edits and a selection, so that the picture shows every colour.
void showEdits(HexView* view)
{
    view->window()->activateWindow();
    view->setFocus();
    view->setCursorOffset(0x48);
    typeKeys(view, QStringLiteral("FFFF"));
    view->setSelection(0x20, 6);
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"), QStringLiteral("Save the window to <file>."),
                                        QStringLiteral("file"));
    parser.addOption(screenshot);
    const QCommandLineOption sizeOption(QStringLiteral("size"), QStringLiteral("Buffer size in bytes."),
                                        QStringLiteral("bytes"), QString::number(kRecordSize));
    parser.addOption(sizeOption);
    parser.process(app);
    const qint64 size = std::max<qint64>(kRecordSize, parser.value(sizeOption).toLongLong());

    QWidget window;
    window.setWindowTitle(QStringLiteral("Hex view"));
    auto* layout = new QVBoxLayout(&window);
    auto* view = new HexView;
    auto* status = new QLabel;
    layout->addWidget(view);
    layout->addWidget(status);
    view->setFixedHeight(190);
    HexBufferSource source;
    QByteArray bytes(size, '\0');
    bytes.replace(0, kRecordSize, sampleRecord());
    source.setBytes(bytes);
    view->setSource(&source);
    view->setFieldMap(stepFieldMap(kErrorCodeOffset));
    view->setHint(QStringLiteral(
        "Offset 00 - TEST_ID\nOffset 48 - GOTO_ON_SUCCES\nOffset 4A - GOTO_ON_ERR\nOffset 4C - GOTO_ON_ABRT\n"
        "Offset 68 - Error Code"));
    QObject::connect(view, &HexView::cursorMoved, status,
                     [status](qint64 offset) {
                         status->setText(QStringLiteral("Offset 0x") + QString::number(offset, 16).toUpper());
                     });
    window.resize(view->sizeHint().width() + 24, 240);
    window.show();

    if (!parser.isSet(screenshot))
        return app.exec();
    QTimer::singleShot(0, &window, [&] {
        showEdits(view);
        QApplication::processEvents();
        const bool saved = window.grab().save(parser.value(screenshot));
        app.exit(saved ? 0 : 1);
    });
    return app.exec();
}
