#pragma once

#include "db/locbazadedate.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

// A second connection to the same database, as another secretary's program holds one: what
// it commits is what the other program saved.
class TConexiuneSecundara {
public:
    explicit TConexiuneSecundara(const TLocBazaDeDate& loc);
    ~TConexiuneSecundara();
    TConexiuneSecundara(const TConexiuneSecundara&) = delete;
    TConexiuneSecundara& operator=(const TConexiuneSecundara&) = delete;

    QSqlDatabase Baza() const { return QSqlDatabase::database(m_nume, false); }
    // Runs statements in one transaction of their own and commits; fails the test otherwise.
    void Executa(const QStringList& instructiuni);
    void Executa(const QString& instructiune) { Executa(QStringList{instructiune}); }
    // Starts a transaction left open until Termina: its locks stay held meanwhile.
    void Incepe(const QString& instructiune);
    void Termina();

private:
    QString m_nume;
};

// Adds `numar` pupils numbered from `primul` in one statement, as a full class would be:
// "Nume<i>", "Prenume<i>" and the code 1 followed by i on twelve digits.
void AdaugaEleviNumerotati(QSqlDatabase baza, int primul, int numar);
