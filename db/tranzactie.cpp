#include "db/tranzactie.h"

#include "base/eroare.h"
#include "db/interogare.h"
#include "db/mesajefirebird.h"

#include <QSqlError>

namespace {

void VerificaRezultat(bool reusit, const QSqlDatabase& baza, const char* operatie)
{
    if (reusit)
        return;
    const QString mesaj = baza.lastError().text();
    if (EsteConflictConcurent(mesaj))
        throw EConflictConcurent();
    throw EEroare(QStringLiteral("%1: %2").arg(QLatin1String(operatie), MesajFirebird(baza.databaseName(), mesaj)));
}

} // namespace

void TTranzactie::StartTransaction()
{
    if (m_activa)
        throw EEroare(QStringLiteral("Tranzactia este deja activa."));
    QSqlDatabase baza = Baza();
    VerificaRezultat(baza.transaction(), baza, "StartTransaction");
    m_activa = true;
}

void TTranzactie::Commit()
{
    if (!m_activa)
        throw EEroare(QStringLiteral("Tranzactia nu este activa."));
    InchideInterogarile();
    QSqlDatabase baza = Baza();
    VerificaRezultat(baza.commit(), baza, "Commit");
    m_activa = false;
}

void TTranzactie::Rollback()
{
    if (!m_activa)
        throw EEroare(QStringLiteral("Tranzactia nu este activa."));
    InchideInterogarile();
    m_activa = false;
    QSqlDatabase baza = Baza();
    VerificaRezultat(baza.rollback(), baza, "Rollback");
}

void TTranzactie::InchideInterogarile()
{
    for (TInterogare* q : std::as_const(m_interogari))
        q->Elibereaza();
}

TGardaTranzactie::~TGardaTranzactie()
{
    if (m_tr.Active()) {
        try {
            m_tr.Rollback();
        } catch (...) {
            // Already failing; the first error is the one the user sees.
        }
    }
}

TTranzactieImprumutata::TTranzactieImprumutata(TTranzactie& tr) : m_tr(tr), m_pornitaAici(!tr.Active())
{
    if (m_pornitaAici)
        m_tr.StartTransaction();
}

TTranzactieImprumutata::~TTranzactieImprumutata()
{
    if (m_pornitaAici && m_tr.Active()) {
        try {
            m_tr.Rollback();
        } catch (...) {
        }
    }
}
