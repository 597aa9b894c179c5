#pragma once

#include "db/locbazadedate.h"
#include "support/serverfirebird.h"

#include <QString>

// Databases on a Firebird server of the test's own that the program reaches through
// PRAVENT_DB, PRAVENT_DB_USER and PRAVENT_DB_PASSWORD, as a secretary's computer does in
// scripted use (no secret store). The variables are removed with this object.
class TBazaPeServer {
public:
    TBazaPeServer();
    ~TBazaPeServer();
    TBazaPeServer(const TBazaPeServer&) = delete;
    TBazaPeServer& operator=(const TBazaPeServer&) = delete;

    // Starts the server; false with Eroare() set.
    bool Porneste();
    // A new database with the template's schema, named in PRAVENT_DB from now on; false with
    // Eroare() set.
    bool BazaNoua(const QString& numeFisier);
    // Where the last new database is, for connections of the test's own.
    TLocBazaDeDate Loc() const;
    const QString& Eroare() const { return m_server.Eroare(); }
    TServerFirebird& Server() { return m_server; }

private:
    TServerFirebird m_server;
    QString m_baza;
};
