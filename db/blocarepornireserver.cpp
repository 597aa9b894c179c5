#include "db/blocarepornireserver.h"

#include "base/eroare.h"
#include "db/mesajefirebird.h"

#include <QDeadlineTimer>

namespace {

// Long beyond any start-up, so that only a program stuck in the middle of one is given up on.
constexpr int MinuteAsteptare = 5;

} // namespace

TBlocarePornireServer::TBlocarePornireServer(const TLocBazaDeDate& loc)
    : m_conexiune(loc), m_tr(m_conexiune), m_q(m_tr, QStringLiteral("blocare"))
{
    AsiguraTabela();
    // Transactions may be given a bounded lock wait: the wait for the other start is then made
    // of several, each in a transaction of its own.
    const QDeadlineTimer termen(MinuteAsteptare * 60 * 1000);
    for (;;) {
        m_tinuta.emplace(m_tr);
        try {
            m_q.SQL(QStringLiteral("UPDATE BLOCARE_PORNIRE SET ID = 1 WHERE ID = 1"));
            m_q.ExecSQL();
            return;
        } catch (const EConflictConcurent&) {
            // A bounded wait that ran out, told as a lock time-out or an update conflict by the
            // kind of lock it waited on; the holder never commits, so neither means the row changed.
            m_tinuta.reset();
        }
        if (termen.hasExpired())
            throw EEroare(QStringLiteral("Alt program porneste pe baza de date \"%1\" de peste %2 minute; inchideti-l "
                                         "sau incercati din nou mai tarziu.")
                              .arg(loc.Conexiune())
                              .arg(MinuteAsteptare));
    }
}

QString TBlocarePornireServer::Tabela() { return QStringLiteral("BLOCARE_PORNIRE"); }

bool TBlocarePornireServer::ExistaTabela()
{
    TGardaTranzactie tr(m_tr);
    TInchideLaFinal inchide(m_q);
    m_q.SQL(QStringLiteral("SELECT 1 FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = :NUME"));
    m_q.ParamByName(QStringLiteral("NUME"), Tabela());
    m_q.Open();
    return !m_q.Eof();
}

void TBlocarePornireServer::AsiguraTabela()
{
    if (!ExistaTabela()) {
        try {
            TGardaTranzactie tr(m_tr);
            m_q.SQL(QStringLiteral("CREATE TABLE BLOCARE_PORNIRE (ID INTEGER NOT NULL PRIMARY KEY)"));
            m_q.ExecSQL();
            tr.Commit();
        } catch (const EEroare&) {
            // Another program starting at the same moment created it first.
            if (!ExistaTabela())
                throw;
        }
    }
    AsiguraRandul();
}

// The row is committed once and then only ever locked: a waiter on an uncommitted insert
// would see no row, try its own and end in a key violation rather than a lock wait.
void TBlocarePornireServer::AsiguraRandul()
{
    try {
        TGardaTranzactie tr(m_tr);
        m_q.SQL(QStringLiteral("INSERT INTO BLOCARE_PORNIRE (ID) SELECT 1 FROM RDB$DATABASE WHERE NOT EXISTS "
                               "(SELECT 1 FROM BLOCARE_PORNIRE)"));
        m_q.ExecSQL();
        tr.Commit();
    } catch (const EEroare&) {
        // Inserted by another program starting at the same moment.
        if (!ExistaRandul())
            throw;
    }
}

bool TBlocarePornireServer::ExistaRandul()
{
    TGardaTranzactie tr(m_tr);
    TInchideLaFinal inchide(m_q);
    m_q.SQL(QStringLiteral("SELECT 1 FROM BLOCARE_PORNIRE WHERE ID = 1"));
    m_q.Open();
    return !m_q.Eof();
}
