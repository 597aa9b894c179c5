#pragma once

#include <QDialog>

class QPushButton;

// Shown at every start when the user's locale cannot write the Romanian letters.
class TErrCodePage : public QDialog {
    Q_OBJECT
public:
    explicit TErrCodePage(QWidget* parent = nullptr);

    QPushButton* RzBitBtn1() const { return m_rzBitBtn1; }
    QPushButton* RzBitBtn2() const { return m_rzBitBtn2; }

    // Opens the desktop's region settings when one is found; the dialog stays open.
    void DeschidePagina();

private:
    QPushButton* m_rzBitBtn1;
    QPushButton* m_rzBitBtn2;
};
