#pragma once

#include "db/parametrisql.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVariant>
#include <memory>

class TInstructiune;
class TTranzactie;
namespace Firebird {
class IResultSet;
} // namespace Firebird

// One value of the current row.
class TCamp {
public:
    explicit TCamp(QVariant valoare) : m_valoare(std::move(valoare)) {}
    bool IsNull() const { return m_valoare.isNull(); }
    // NULL reads as the empty text; fixed-width catalogue text comes back padded.
    QString AsString() const;
    // NULL reads as 0; a text that is no integer is an error.
    int AsInteger() const;

private:
    QVariant m_valoare;
};

// A query in the manner of a classic dataset: SQL written out in full with named
// parameters, run inside the program's transaction, read row by row.
class TInterogare {
public:
    TInterogare(TTranzactie& tr, QString nume);
    ~TInterogare();
    TInterogare(const TInterogare&) = delete;
    TInterogare& operator=(const TInterogare&) = delete;

    // Closes the query and sets a new statement; its parameters start unset (NULL).
    void SQL(const QString& text);
    const QString& SQL() const { return m_sql; }

    // Gives every occurrence of the parameter its value. A null QString binds as "".
    void ParamByName(const QString& nume, const QVariant& valoare);

    // Runs a statement that returns rows and stands on the first one.
    void Open();
    // Runs a statement that returns no rows.
    void ExecSQL();
    bool Active() const { return m_activa; }
    bool Eof() const { return m_eof; }
    void Next();
    TCamp FieldByName(const QString& nume) const;
    TCamp Fields(int index) const;
    void Close();

private:
    friend class TTranzactie;
    void Executa();
    // Moves to the next row; false at the end. A failed fetch is raised.
    bool RandUrmator();
    // Lets the statement go back to the connection's cache; the transaction calls it when it ends.
    void Elibereaza();
    void InchideCursorul();
    TCamp Camp(int index) const;

    TTranzactie& m_tr;
    QString m_nume;
    QString m_sql;
    TSqlPozitional m_pozitional;
    QHash<QString, QVariant> m_parametri;
    // The connection's prepared statement for the text, kept while the text stays the same.
    std::shared_ptr<TInstructiune> m_instructiune;
    QString m_textPregatit;
    QByteArray m_intrare;
    QByteArray m_iesire;
    Firebird::IResultSet* m_cursor = nullptr;
    // Column positions by name, the first of equal names winning.
    QHash<QString, int> m_coloane;
    bool m_activa = false;
    bool m_eof = true;
};

// Statements run by every query of the process since it started: each is a round trip to
// the engine, which is what a list over a network pays for.
long long InstructiuniRulate();

// Closes a query at the end of a scope, whatever happened inside it.
class TInchideLaFinal {
public:
    explicit TInchideLaFinal(TInterogare& q) : m_q(q) {}
    ~TInchideLaFinal() { m_q.Close(); }
    TInchideLaFinal(const TInchideLaFinal&) = delete;
    TInchideLaFinal& operator=(const TInchideLaFinal&) = delete;

private:
    TInterogare& m_q;
};
