#pragma once

#include "db/locbazadedate.h"
#include "db/interogare.h"
#include "db/tranzactie.h"

#include <QString>
#include <QStringList>

// A second connection to the same database, as another secretary's program holds one: what
// it commits is what the other program saved.
class TConexiuneSecundara {
public:
    explicit TConexiuneSecundara(const TLocBazaDeDate& loc) : m_conexiune(loc), m_tr(m_conexiune) {}
    TConexiuneSecundara(const TConexiuneSecundara&) = delete;
    TConexiuneSecundara& operator=(const TConexiuneSecundara&) = delete;

    TConexiune& Conexiune() { return m_conexiune; }
    // Runs statements in one transaction of their own and commits; fails the test otherwise.
    void Executa(const QStringList& instructiuni);
    void Executa(const QString& instructiune) { Executa(QStringList{instructiune}); }
    // Starts a transaction left open until Termina: its locks stay held meanwhile.
    void Incepe(const QString& instructiune);
    void Termina();

private:
    TConexiuneProprie m_conexiune;
    TTranzactie m_tr;
};

// Runs statements as they are written (no named parameters: an EXECUTE BLOCK keeps its
// variables) in one transaction of the connection, and commits; fails the test otherwise.
void ExecutaPeConexiune(TConexiune& conexiune, const QStringList& instructiuni);

// Adds `numar` pupils numbered from `primul` in one statement, as a full class would be:
// "Nume<i>", "Prenume<i>" and the code 1 followed by i on twelve digits.
void AdaugaEleviNumerotati(TConexiune& conexiune, int primul, int numar);

// The first column of every row of a query (trimmed), read in a transaction of its own on the
// connection; "failed: " and the error when it fails.
QStringList ColoanaPeConexiune(TConexiune& conexiune, const QString& sql);
