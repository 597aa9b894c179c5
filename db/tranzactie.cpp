#include "db/tranzactie.h"

#include "base/eroare.h"
#include "db/interogare.h"
#include "db/starefirebird.h"

using namespace Firebird;

TTranzactie::~TTranzactie()
{
    if (m_tranzactie) {
        try {
            Rollback();
        } catch (...) {
        }
    }
}

ITransaction* TTranzactie::Maner() const
{
    if (!m_tranzactie)
        throw EEroare(QStringLiteral("Tranzactia nu este activa."));
    return m_tranzactie;
}

void TTranzactie::StartTransaction(TTipTranzactie tip)
{
    if (m_tranzactie)
        throw EEroare(QStringLiteral("Tranzactia este deja activa."));
    m_tranzactie = m_conexiune.PornesteTranzactie(tip);
}

void TTranzactie::Commit()
{
    ITransaction* tranzactie = Maner();
    InchideInterogarile();
    try {
        const TConexiune::TApel apel(m_conexiune);
        TStare stare;
        tranzactie->commit(&stare);
    } catch (const FbException& e) {
        // Still running in the engine: the caller's guard rolls it back.
        m_conexiune.RidicaEroareaLaSalvare(e);
    }
    Incheiata();
}

void TTranzactie::Rollback()
{
    ITransaction* tranzactie = Maner();
    InchideInterogarile();
    m_tranzactie = nullptr;
    try {
        const TConexiune::TApel apel(m_conexiune);
        TStare stare;
        tranzactie->rollback(&stare);
    } catch (const FbException& e) {
        // A connection lost takes its transaction with it; the handle is all that is left.
        tranzactie->release();
        Incheiata();
        m_conexiune.RidicaEroarea(e);
    }
    Incheiata();
}

void TTranzactie::Incheiata()
{
    m_tranzactie = nullptr;
    if (m_structuraSchimbata)
        m_conexiune.UitaInstructiunile();
    m_structuraSchimbata = false;
}

void TTranzactie::InchideInterogarile()
{
    for (TInterogare* q : std::as_const(m_interogari))
        q->Elibereaza();
}

TPunctDeSalvare::TPunctDeSalvare(TTranzactie& tr) : m_tr(tr)
{
    m_tr.Conexiune().Executa(m_tr.Maner(), "SAVEPOINT PRAVENT_RAND");
}

TPunctDeSalvare::~TPunctDeSalvare()
{
    if (m_pastrat || !m_tr.Active())
        return;
    try {
        m_tr.Conexiune().Executa(m_tr.Maner(), "ROLLBACK TO SAVEPOINT PRAVENT_RAND");
    } catch (...) {
        // Already failing; the first error is the one the user sees.
    }
}

void TPunctDeSalvare::Pastreaza()
{
    m_tr.Conexiune().Executa(m_tr.Maner(), "RELEASE SAVEPOINT PRAVENT_RAND ONLY");
    m_pastrat = true;
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

TTranzactieImprumutata::TTranzactieImprumutata(TTranzactie& tr, TTipTranzactie tip)
    : m_tr(tr), m_pornitaAici(!tr.Active())
{
    if (m_pornitaAici)
        m_tr.StartTransaction(tip);
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
