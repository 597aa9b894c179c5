#pragma once

#include "db/mesajefirebird.h"

#include <QSqlDatabase>
#include <QString>
#include <QVector>

class TInterogare;

// The program's one transaction. The connection cannot tell whether a transaction is
// running, so this object keeps track; ending it closes every query still open on it.
class TTranzactie {
public:
    explicit TTranzactie(const QString& numeConexiune) : m_conexiune(numeConexiune) {}
    TTranzactie(const TTranzactie&) = delete;
    TTranzactie& operator=(const TTranzactie&) = delete;

    bool Active() const { return m_activa; }
    void StartTransaction();
    void Commit();
    void Rollback();

    QSqlDatabase Baza() const { return QSqlDatabase::database(m_conexiune, false); }

private:
    friend class TInterogare;
    void Inregistreaza(TInterogare* q) { m_interogari.append(q); }
    void Elimina(TInterogare* q) { m_interogari.removeAll(q); }
    void InchideInterogarile();

    QString m_conexiune;
    bool m_activa = false;
    QVector<TInterogare*> m_interogari;
};

// Starts the transaction and rolls it back at the end of the scope unless it was
// committed: a failure, an exception included, never leaves it running.
class TGardaTranzactie {
public:
    explicit TGardaTranzactie(TTranzactie& tr) : m_tr(tr) { m_tr.StartTransaction(); }
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
    explicit TTranzactieImprumutata(TTranzactie& tr);
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
