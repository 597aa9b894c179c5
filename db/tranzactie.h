#pragma once

#include "db/conexiune.h"
#include "db/mesajefirebird.h"

#include <QString>
#include <QVector>

class TInterogare;

// A transaction of a connection, started with the parameters of its kind; ending it closes
// every query still open on it. Active while the engine's transaction exists: a failed
// commit leaves it active, to be rolled back.
class TTranzactie {
public:
    explicit TTranzactie(TConexiune& conexiune) : m_conexiune(conexiune) {}
    ~TTranzactie();
    TTranzactie(const TTranzactie&) = delete;
    TTranzactie& operator=(const TTranzactie&) = delete;

    bool Active() const { return m_tranzactie != nullptr; }
    void StartTransaction(TTipTranzactie tip = TTipTranzactie::Lucru);
    void Commit();
    void Rollback();

    TConexiune& Conexiune() const { return m_conexiune; }
    // The engine's transaction; only while active.
    Firebird::ITransaction* Maner() const;

private:
    friend class TInterogare;
    friend class TPunctDeSalvare;
    void Inregistreaza(TInterogare* q) { m_interogari.append(q); }
    void Elimina(TInterogare* q) { m_interogari.removeAll(q); }
    void InchideInterogarile();
    // The end of the transaction, whatever its outcome.
    void Incheiata();

    TConexiune& m_conexiune;
    Firebird::ITransaction* m_tranzactie = nullptr;
    bool m_structuraSchimbata = false;
    QVector<TInterogare*> m_interogari;
};

// A savepoint inside the running transaction: undone at the end of the scope unless kept,
// so that a failing part of a long job is rolled back and the parts before it stay.
class TPunctDeSalvare {
public:
    explicit TPunctDeSalvare(TTranzactie& tr);
    ~TPunctDeSalvare();
    TPunctDeSalvare(const TPunctDeSalvare&) = delete;
    TPunctDeSalvare& operator=(const TPunctDeSalvare&) = delete;

    // Keeps what was done since the savepoint, in the transaction.
    void Pastreaza();

private:
    TTranzactie& m_tr;
    bool m_pastrat = false;
};

// Starts the transaction and rolls it back at the end of the scope unless it was
// committed: a failure, an exception included, never leaves it running.
class TGardaTranzactie {
public:
    explicit TGardaTranzactie(TTranzactie& tr, TTipTranzactie tip = TTipTranzactie::Lucru) : m_tr(tr)
    {
        m_tr.StartTransaction(tip);
    }
    ~TGardaTranzactie();
    TGardaTranzactie(const TGardaTranzactie&) = delete;
    TGardaTranzactie& operator=(const TGardaTranzactie&) = delete;

    void Commit() { m_tr.Commit(); }

private:
    TTranzactie& m_tr;
};

// For work that may run inside another unit of work: uses the running transaction and
// leaves it running, or starts one and rolls it back at the end of the scope.
class TTranzactieImprumutata {
public:
    explicit TTranzactieImprumutata(TTranzactie& tr, TTipTranzactie tip = TTipTranzactie::Lucru);
    ~TTranzactieImprumutata();
    TTranzactieImprumutata(const TTranzactieImprumutata&) = delete;
    TTranzactieImprumutata& operator=(const TTranzactieImprumutata&) = delete;

private:
    TTranzactie& m_tr;
    bool m_pornitaAici;
};

// How many times in all a unit of work that met another user's change is run.
constexpr int IncercariLaConflict = 3;

// Runs a unit of work that starts and ends its own transaction again when it met another
// user's change of the same rows: the new transaction sees what the other one stored. The
// last conflict is raised.
template <typename Unitate>
auto RepetaLaConflict(Unitate&& unitate) -> decltype(unitate())
{
    for (int incercare = 1;; ++incercare) {
        try {
            return unitate();
        } catch (const EConflictConcurent&) {
            if (incercare >= IncercariLaConflict)
                throw;
        }
    }
}
