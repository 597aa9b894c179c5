#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct TSetariServer;

// "Conectare la server": where the data is, the local database of this computer or a
// database on a Firebird server. The choice is saved in the settings, the password in the
// desktop's secret store; it takes effect at the next start.
class TConectareServer : public QDialog {
    Q_OBJECT
public:
    explicit TConectareServer(QWidget* parent = nullptr);

    QRadioButton* Local() const { return m_local; }
    QRadioButton* PeServer() const { return m_peServer; }
    QLineEdit* Server() const { return m_server; }
    QLineEdit* BazaDeDate() const { return m_bazaDeDate; }
    QLineEdit* Utilizator() const { return m_utilizator; }
    QLineEdit* Parola() const { return m_parola; }
    QPushButton* Testeaza() const { return m_testeaza; }
    QPushButton* Ok() const { return m_ok; }

    // Opens a connection with what is typed and tells how it went.
    void TesteazaClick();
    // Saves the choice; the dialog closes only when it was kept.
    void OkClick();

private:
    TSetariServer SetariScrise() const;
    void ArataCampurile();

    QRadioButton* m_local;
    QRadioButton* m_peServer;
    QLineEdit* m_server;
    QLineEdit* m_bazaDeDate;
    QLineEdit* m_utilizator;
    QLineEdit* m_parola;
    QPushButton* m_testeaza;
    QPushButton* m_ok;
};

// Shows the dialog; true when a new choice was saved.
bool ConecteazaLaServer(QWidget* parent = nullptr);

// The windowed start asks for a server password it has nowhere else.
std::optional<QString> CerereParolaPrinDialog(const QString& intrebare);
