#include "ui/steplist/FindBar.h"

#include <QtGui/QKeyEvent>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QToolButton>

FindBar::FindBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("findBar"));
    auto* label = new QLabel(QStringLiteral("Find:"), this);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("edFind"));
    m_edit->setPlaceholderText(QStringLiteral("test id or description"));
    m_edit->setClearButtonEnabled(true);
    m_edit->installEventFilter(this);
    // A file dropped anywhere on the window is the window's to load.
    m_edit->setAcceptDrops(false);
    label->setBuddy(m_edit);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lbFindNote"));
    m_note->setTextFormat(Qt::PlainText);
    m_close = new QToolButton(this);
    m_close->setObjectName(QStringLiteral("btFindClose"));
    m_close->setText(QStringLiteral("×"));
    m_close->setToolTip(QStringLiteral("Close (Esc)"));
    m_close->setAutoRaise(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 2, 2);
    layout->setSpacing(4);
    layout->addWidget(label);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_note);
    layout->addWidget(m_close);

    connect(m_edit, &QLineEdit::textChanged, this, [this](const QString& text) {
        setNote({});
        emit queryChanged(text);
    });
    connect(m_close, &QToolButton::clicked, this, &FindBar::close);
    hide();
}

QString FindBar::query() const { return m_edit->text(); }

QString FindBar::note() const { return m_note->text(); }

void FindBar::setNote(const QString& text) { m_note->setText(text); }

void FindBar::open()
{
    show();
    m_edit->selectAll();
    m_edit->setFocus(Qt::ShortcutFocusReason);
}

void FindBar::close()
{
    hide();
    emit closed();
}

bool FindBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            close();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers().testFlag(Qt::ShiftModifier))
                emit previousRequested();
            else
                emit nextRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
