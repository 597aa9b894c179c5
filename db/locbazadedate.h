#pragma once

#include "db/conexiune.h"

#include <QString>
#include <optional>

// Where the data of this run is: the embedded database file of the data folder, or a
// database on a Firebird server, named as Firebird names it (host[/port]:path-or-alias).
class TLocBazaDeDate {
public:
    static TLocBazaDeDate Fisier(const QString& cale);
    static TLocBazaDeDate Server(const QString& conexiune, const QString& utilizator, const QString& parola);

    bool PeServer() const { return m_peServer; }
    // The file path, or the server's connection string.
    const QString& Conexiune() const { return m_conexiune; }
    const QString& Utilizator() const { return m_utilizator; }
    const QString& Parola() const { return m_parola; }

private:
    TLocBazaDeDate(bool peServer, QString conexiune, QString utilizator, QString parola);

    bool m_peServer;
    QString m_conexiune;
    QString m_utilizator;
    QString m_parola;
};

// The server database the settings name (never its password: see db/parolaserver.h).
// No server means the local database.
struct TSetariServer {
    QString Server;      // host or host/port
    QString BazaDeDate;  // path or alias on the server
    QString Utilizator;

    bool Folosit() const { return !Server.isEmpty(); }
    QString Conexiune() const { return Server + QLatin1Char(':') + BazaDeDate; }

    static TSetariServer Citeste();
    // Empty Server: back to the local database. False when the store refused the change
    // (the user has been told).
    bool Scrie() const;
};

// The connection string when it names a server and a database; an error in the user's words
// otherwise (sursa: where the text came from, for the message).
QString ConexiuneServerVerificata(const QString& conexiune, const QString& sursa);

// The server database this run is to use, as named (nothing is asked or opened).
struct TServerAles {
    QString Conexiune;
    QString Utilizator;
    QString SursaUtilizator;  // where the user should have been given, for the message
};
// PRAVENT_DB when set, else the server of the settings; none for the local database.
std::optional<TServerAles> ServerAles();

// This run's database: PRAVENT_DB (with PRAVENT_DB_USER and PRAVENT_DB_PASSWORD) when set,
// else the server of the settings, else the embedded file of the data folder. A server's
// password comes from PRAVENT_DB_PASSWORD, else the secret store, else the user is asked;
// an error when none of them gives one.
TLocBazaDeDate LocBazaDeDate();

// A connection of its own, closed with this object, for a database that is not the open one.
class TConexiuneProprie : public TConexiune {
public:
    // Raises the failure to open it, in the user's words.
    explicit TConexiuneProprie(const TLocBazaDeDate& loc) { Deschide(loc); }
};

// Opens a connection of its own on the database and runs a statement on it; raises the
// failure in the user's words.
void VerificaConexiunea(const TLocBazaDeDate& loc);
