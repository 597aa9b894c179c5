#include "db/scriereimport.h"

#include "base/eroare.h"
#include "db/depozit.h"
#include "db/tdm.h"

#include <QStringList>

namespace {

// Identifiers spliced into one statement: numbers the program read itself, never text.
constexpr int EleviPeCitire = 500;

} // namespace

TTranzactieGrupata::TTranzactieGrupata(TTranzactie& tr, std::function<void()> laInceput)
    : m_tr(tr), m_laInceput(std::move(laInceput))
{
}

TTranzactieGrupata::~TTranzactieGrupata()
{
    if (m_tr.Active()) {
        try {
            m_tr.Rollback();
        } catch (...) {
        }
    }
}

void TTranzactieGrupata::Ruleaza(const std::function<void()>& unitate)
{
    if (!m_tr.Active()) {
        m_tr.StartTransaction();
        m_ceas.start();
        m_unitati = 0;
        try {
            m_laInceput();
        } catch (...) {
            // The next unit starts its group again, the lock and the reads included.
            m_tr.Rollback();
            throw;
        }
    }
    try {
        TPunctDeSalvare punct(m_tr);
        unitate();
        punct.Pastreaza();
    } catch (const EEroare&) {
        Comite();
        throw;
    }
    ++m_unitati;
    if (m_unitati >= RanduriPeGrup || m_ceas.elapsed() >= MilisecundePeGrup)
        Comite();
}

void TTranzactieGrupata::Comite()
{
    if (m_tr.Active())
        m_tr.Commit();
}

void TValoriElevi::Citeste(const QList<int>& iduri)
{
    TInterogare& q = DM().Q5();
    for (qsizetype inceput = 0; inceput < iduri.size(); inceput += EleviPeCitire) {
        QStringList lista;
        for (const int id : iduri.mid(inceput, EleviPeCitire)) {
            lista << QString::number(id);
            m_valori.remove(id);
        }
        TInchideLaFinal inchide(q);
        q.SQL(QStringLiteral("SELECT ID_ELEVI, COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT FROM \"DATE\" WHERE "
                             "ID_ELEVI IN (%1)")
                  .arg(lista.join(QLatin1Char(','))));
        for (q.Open(); !q.Eof(); q.Next()) {
            const TCamp valoare = q.Fields(4);
            m_valori[q.Fields(0).AsInteger()][CheieComparata(q.Fields(1).AsString(), q.Fields(2).AsString(),
                                                            q.Fields(3).AsString())]
                .append(valoare.IsNull() ? std::nullopt : std::optional<QString>(valoare.AsString()));
        }
    }
}

bool TValoriElevi::Neschimbata(int idElev, const TReferintaCamp& camp, const QString& valoare) const
{
    const auto elev = m_valori.constFind(idElev);
    if (elev == m_valori.cend())
        return false;
    const auto randuri = elev->constFind(CheieComparata(camp));
    if (randuri == elev->cend())
        return true;
    for (const std::optional<QString>& stocata : *randuri)
        if (!stocata || *stocata != valoare)
            return false;
    return true;
}

void TValoriElevi::Scrisa(int idElev, const TReferintaCamp& camp, const QString& valoare)
{
    const auto elev = m_valori.find(idElev);
    if (elev == m_valori.end())
        return;
    const auto randuri = elev->find(CheieComparata(camp));
    if (randuri != elev->end())
        for (std::optional<QString>& stocata : *randuri)
            stocata = valoare;
}

void TValoriElevi::RandNou(int idElev, const TReferintaCamp& camp, const QString& valoare)
{
    m_valori[idElev][CheieComparata(camp)].append(valoare);
}

QString CheieCnp(const QString& cnp)
{
    qsizetype lungime = cnp.size();
    while (lungime > 0 && cnp.at(lungime - 1) == QLatin1Char(' '))
        --lungime;
    return cnp.left(lungime);
}

QHash<QString, int> EleviDupaCnp(const TReferintaCamp& campCnp)
{
    QHash<QString, int> elevi;
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT VALOARE_TEXT, ID_ELEVI FROM \"DATE\" WHERE (COD_FORMULAR=:FORMULAR) AND "
                         "(COD_PAGINA=:PAGINA) AND (COD_CAMP=:CAMP) AND (ID_ELEVI IS NOT NULL) AND (VALOARE_TEXT IS "
                         "NOT NULL) ORDER BY ID_ELEVI DESC"));
    q.ParamByName("FORMULAR", campCnp.Formular);
    q.ParamByName("PAGINA", campCnp.Pagina);
    q.ParamByName("CAMP", campCnp.Camp);
    for (q.Open(); !q.Eof(); q.Next())
        elevi.insert(CheieCnp(q.Fields(0).AsString()), q.Fields(1).AsInteger());
    return elevi;
}


std::vector<TReferintaCamp> CampuriElevi()
{
    std::vector<TReferintaCamp> campuri;
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT COD_FORMULAR, COD_PAGINA, COD_CAMP FROM PROFIL_DIPLOMA WHERE ASOCIAT_CU = 'ELEVI'"));
    for (q.Open(); !q.Eof(); q.Next())
        campuri.push_back({q.Fields(0).AsString(), q.Fields(1).AsString(), q.Fields(2).AsString()});
    return campuri;
}

void InsereazaValoareElev(const TReferintaCamp& camp, int idElev, const QString& valoare)
{
    TInterogare& q = DM().Q2();
    q.SQL(QStringLiteral("INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
                         "ID_ELEVI) VALUES (:COD_FORMULAR, :COD_PAGINA, :COD_CAMP, :VALOARE_TEXT, 0, :ID_ELEVI)"));
    q.ParamByName("COD_FORMULAR", camp.Formular);
    q.ParamByName("COD_PAGINA", camp.Pagina);
    q.ParamByName("COD_CAMP", camp.Camp);
    q.ParamByName("VALOARE_TEXT", valoare);
    q.ParamByName("ID_ELEVI", idElev);
    q.ExecSQL();
}
