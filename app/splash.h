#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTimer;

// The picture shown while the program starts; it closes itself on its 51st tick, or at
// once on a click or a key.
class TSplashForm : public QDialog {
    Q_OBJECT
public:
    explicit TSplashForm(QWidget* parent = nullptr);

    QLabel* Label1() const { return m_label1; }
    QTimer* Timer1() const { return m_timer1; }
    QPushButton* ConectareServer() const { return m_conectareServer; }
    int Ticuri() const { return m_ticuri; }

    // Puts the text at the bottom right corner, growing to the left.
    void SeteazaText(const QString& text);
    void Timer1Timer();
    // Stops the countdown, shows "Conectare la server", then lets the start go on with
    // what was chosen.
    void ConectareServerClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Inchide();

    QLabel* m_image1;
    QLabel* m_label1;
    QPushButton* m_conectareServer;
    QTimer* m_timer1;
    int m_ticuri = 0;
};

// True when the user's locale can write the Romanian letters of the Windows-1250 code page
// (a UTF-8 or ISO-8859-2 locale); the C/POSIX locale cannot.
bool CodePageEste1250();

// The language check and the splash, the first step of the data module's creation.
void AfiseazaSplash(const QString& text);
