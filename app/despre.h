#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "Despre": the program's name, its version (the same text as "--version") and the data
// folder in use, so that a secretary can tell support where her database is.
class TDespre : public QDialog {
    Q_OBJECT
public:
    explicit TDespre(QWidget* parent = nullptr);

    QLabel* Versiune() const { return m_versiune; }
    QLabel* DosarDate() const { return m_dosarDate; }
    QPushButton* ButonOk() const { return m_ok; }

    void Ok() { accept(); }

private:
    QLabel* m_versiune;
    QLabel* m_dosarDate;
    QPushButton* m_ok;
};
