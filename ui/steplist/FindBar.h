#pragma once
// The find bar under the step list: "Find:", the query, a note (wrapped
// round the end, nothing found) and a close button. Enter asks for the next
// match, Shift+Enter for the previous one; Escape closes the bar. What
// matches and where the search goes the window decides.

#include <QtWidgets/QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

class FindBar : public QWidget {
    Q_OBJECT

public:
    explicit FindBar(QWidget* parent = nullptr);

    QLineEdit* edit() const { return m_edit; }
    QString query() const;
    QString note() const;
    void setNote(const QString& text);
    // Shows the bar with the query selected and the focus in it.
    void open();

signals:
    void queryChanged(const QString& query);
    void nextRequested();
    void previousRequested();
    // Escape or the close button: the bar has been hidden.
    void closed();

public slots:
    void close();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_edit;
    QLabel* m_note;
    QToolButton* m_close;
};
