#pragma once

#include "db/tranzactie.h"
#include "db/valoarecamp.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

// Runs the units of a long job (the rows of an import) several to a transaction: each unit
// in a savepoint, the transaction committed every RanduriPeGrup units or every
// MilisecundePeGrup, whichever comes first. A killed process loses at most the group it was
// in, and never part of a unit.
class TTranzactieGrupata {
public:
    static constexpr int RanduriPeGrup = 100;
    static constexpr int MilisecundePeGrup = 250;

    // laInceput runs first in each new transaction (locks, reads the group relies on).
    TTranzactieGrupata(TTranzactie& tr, std::function<void()> laInceput);
    // A group still open (an unexpected failure) is rolled back.
    ~TTranzactieGrupata();
    TTranzactieGrupata(const TTranzactieGrupata&) = delete;
    TTranzactieGrupata& operator=(const TTranzactieGrupata&) = delete;

    // Runs one unit. A unit that fails is undone to its savepoint and the units before it are
    // committed before its error is raised.
    void Ruleaza(const std::function<void()>& unitate);
    // Commits the units run so far.
    void Comite();

private:
    TTranzactie& m_tr;
    std::function<void()> m_laInceput;
    QElapsedTimer m_ceas;
    int m_unitati = 0;
};

// The stored texts of some pupils' fields, by pupil and field (CheieComparata): every row of
// a field, NULL as none; a field may have no row at all.
class TValoriElevi {
public:
    // Reads every value row of the pupils, a few hundred pupils a statement. Runs in the
    // caller's transaction.
    void Citeste(const QList<int>& iduri);
    // Whether updating the field of the pupil to `valoare` would change nothing: no row to
    // update, or every row holds exactly that text.
    bool Neschimbata(int idElev, const TReferintaCamp& camp, const QString& valoare) const;
    // The field's rows now hold `valoare`; a new pupil's row is added.
    void Scrisa(int idElev, const TReferintaCamp& camp, const QString& valoare);
    void RandNou(int idElev, const TReferintaCamp& camp, const QString& valoare);

private:
    QHash<int, QHash<QString, QList<std::optional<QString>>>> m_valori;
};

// Every pupil by its CNP text (blanks at the end aside, as the engine compares), the lowest
// identifier when two share one. Runs in the caller's transaction.
QHash<QString, int> EleviDupaCnp(const TReferintaCamp& campCnp);
// The text a CNP is looked up by.
QString CheieCnp(const QString& cnp);

// Every profile field of the pupils, linked ones included, codes as stored. Runs in the
// caller's transaction.
std::vector<TReferintaCamp> CampuriElevi();
// The value row of a new pupil's field, with its text. Runs in the caller's transaction.
void InsereazaValoareElev(const TReferintaCamp& camp, int idElev, const QString& valoare);
