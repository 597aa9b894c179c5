#pragma once

#include <QDialog>

class QTextBrowser;

// The short guide in Romanian that ships with the program: the first day, the menus,
// the keys, where the data lives and how to go back to a daily copy.
class TGhid : public QDialog {
    Q_OBJECT
public:
    explicit TGhid(QWidget* parent = nullptr);

    QTextBrowser* Text() const { return m_text; }

private:
    QTextBrowser* m_text;
};
