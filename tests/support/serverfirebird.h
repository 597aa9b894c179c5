#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A real Firebird SuperServer started by the test as its own child process: its own root
// folder (configuration, security database, lock files, databases) in a temporary folder,
// listening on a free TCP port of 127.0.0.1, with one user who may create databases and
// another who may not.
// Stopped on destruction.
class TServerFirebird {
public:
    TServerFirebird();
    ~TServerFirebird();
    TServerFirebird(const TServerFirebird&) = delete;
    TServerFirebird& operator=(const TServerFirebird&) = delete;

    // Whether the server program of the firebird3.0-server package is on this machine.
    static bool Instalat();

    // Prepares the root folder and starts the server; false with Eroare() set (the server's
    // output and log included) when it does not accept connections in time.
    bool Porneste();
    // Creates an empty database on the running server and returns its connection string
    // (host/port:path); empty with Eroare() set on failure.
    QString CreeazaBazaGoala(const QString& numeFisier);
    // The same with the template's schema in it, as the build makes BLANK.FDB.
    QString CreeazaBazaCuSablon(const QString& numeFisier);

    // Sends the server process a signal: SIGSTOP freezes it as a hung machine would (the system
    // still accepts connections on its port), SIGCONT lets it go on, SIGKILL ends it at once.
    void Semnal(int semnal);

    QString Gazda() const { return QStringLiteral("127.0.0.1"); }
    quint16 Port() const { return m_port; }
    QString Utilizator() const { return QStringLiteral("SECRETARA"); }
    QString Parola() const { return QStringLiteral("Cheia-2006"); }
    // A second secretary with the same password, who owns nothing until granted.
    QString AltUtilizator() const { return QStringLiteral("SECRETARA2"); }
    // The folder the server may keep databases in.
    QString DosarDate() const { return m_radacina.path() + QStringLiteral("/date"); }
    const QString& Eroare() const { return m_eroare; }

private:
    bool PregatesteRadacina();
    bool ScrieConfiguratia();
    bool CreeazaBazaDeSecuritate();
    bool AsteaptaPortul();
    QString CreeazaBaza(const QString& numeFisier, const QString& script);
    bool RuleazaIsql(const QString& sql, const QStringList& argumente);
    QProcessEnvironment Mediu() const;
    QString Jurnal();
    void Opreste();

    QTemporaryDir m_radacina;
    QProcess m_proces;
    quint16 m_port = 0;
    QString m_nume;
    QString m_eroare;
};

// A TCP port of 127.0.0.1 nobody listens on now.
quint16 PortLiber();

// Skips the calling test function, with the reason, where the server package is absent.
#define SARI_FARA_SERVER_FIREBIRD()                                                                \
    do {                                                                                           \
        if (!TServerFirebird::Instalat())                                                          \
            QSKIP("firebird3.0-server nu este instalat");                                          \
    } while (false)
