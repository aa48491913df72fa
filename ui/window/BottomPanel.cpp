#include "ui/window/BottomPanel.h"

#include "ui/common/SvgIcon.h"

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QToolButton>

namespace {
constexpr QSize kGlyphSize(16, 16);

template <typename W> W* place(QWidget* parent, const char* name, QRect geometry)
{
    auto* w = new W(parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(geometry);
    return w;
}

// An editable box whose typing is not completed from its list and whose
// Enter adds nothing to the list. Dropped files go to the window.
QComboBox* editableCombo(QWidget* parent, const char* name, QRect geometry, const QString& text)
{
    auto* box = place<QComboBox>(parent, name, geometry);
    auto* edit = new QLineEdit(box);
    edit->setPalette(box->palette());
    box->setLineEdit(edit);
    box->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
    edit->setAcceptDrops(false);
    box->setEditText(text);
    return box;
}

QToolButton* glyphButton(QWidget* parent, const char* name, QRect geometry, const char* glyph, const char* hint)
{
    auto* button = place<QToolButton>(parent, name, geometry);
    button->setIcon(svgIcon(QStringLiteral(":/glyphs/%1.svg").arg(QLatin1String(glyph))));
    button->setIconSize(kGlyphSize);
    button->setToolTip(QLatin1String(hint));
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QPushButton* pushButton(QWidget* parent, const char* name, QRect geometry, const char* caption)
{
    auto* button = place<QPushButton>(parent, name, geometry);
    button->setText(QLatin1String(caption));
    button->setAutoDefault(false);
    return button;
}
} // namespace

BottomPanel::BottomPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pnBottom"));
    setFixedHeight(kHeight);
    createStatusRow();
    createCustomRow();
    createCommandRow();
}

void BottomPanel::createStatusRow()
{
    edStatus = place<QLineEdit>(this, "edStatus", {41, 5, 384, 21});
    edStatus->setReadOnly(true);
    edStatus->setAcceptDrops(false);
    QPalette grey = edStatus->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Button));
    edStatus->setPalette(grey);
    auto* label = place<QLabel>(this, "lbStatus", {0, 5, 38, 21});
    label->setText(QStringLiteral("Status"));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(edStatus);
    cbFamily = editableCombo(this, "cbFamily", {433, 5, 107, 21}, QStringLiteral("Work"));
}

void BottomPanel::createCustomRow()
{
    cbCustom = editableCombo(this, "cbCustom", {6, 31, 499, 21}, QStringLiteral("Test Description"));
    cbCustom->setMaxVisibleItems(16);
    btWriteToIni = glyphButton(this, "btWriteToIni", {513, 31, 22, 22}, "floppy", "Write to INI current Test");
}

void BottomPanel::createCommandRow()
{
    btDown = glyphButton(this, "btDown", {9, 62, 33, 25}, "arrow-down", "Move Down");
    btUp = glyphButton(this, "btUp", {47, 62, 33, 25}, "arrow-up", "Move Up");
    cbStep = place<QCheckBox>(this, "cbStep", {90, 66, 45, 17});
    cbStep->setText(QStringLiteral("Step"));
    cbStep->setToolTip(QStringLiteral("Correct GoTo Steps"));
    cbStep->setChecked(true);
    btTrx = pushButton(this, "btTrx", {240, 64, 75, 25}, "to TREX");
    cbModId = editableCombo(this, "cbModId", {330, 65, 49, 21}, QString());
    cbModId->addItems({QStringLiteral("28"), QStringLiteral("3B"), QStringLiteral("3C"), QStringLiteral("3D"),
                       QStringLiteral("3E"), QStringLiteral("3F")});
    cbModId->setCurrentIndex(0);
    cbModId->setToolTip(QStringLiteral("Select PST Sequence Table"));
    btRead = pushButton(this, "btRead", {384, 63, 75, 25}, "Load");
    btWrite = pushButton(this, "btWrite", {465, 63, 75, 25}, "Save");
    btFields = place<QToolButton>(this, "btFields", {198, 62, 33, 25});
    btFields->setIconSize(kGlyphSize);
    btFields->setFocusPolicy(Qt::StrongFocus);
}

QList<QWidget*> BottomPanel::tabOrder() const
{
    // The field inspector's button stands between "Step" and "to TREX".
    return {btWrite,  btRead,   cbModId,  btDown,   btUp,         cbStep,
            btFields, edStatus, cbFamily, cbCustom, btWriteToIni, btTrx};
}
