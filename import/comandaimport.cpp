#include "import/comandaimport.h"

#include "base/eroare.h"
#include "base/semnale.h"
#include "db/pornirefaraferestre.h"
#include "registre/coloaneexcel.h"
#include "registre/foaie.h"
#include "registre/registru.h"

#include <QSet>
#include <QTextStream>
#include <algorithm>
#include <utility>

namespace {

const QString Moduri = QStringLiteral("coloana:LITERE, constanta:TEXT, cnp:TEXT_FETE/TEXT_BAIETI, prima:LITERE sau "
                                      "adoua:LITERE");

// Letters of a column the import reads ("A" to "ZZ"), in capitals.
QString LitereVerificate(const QString& litere, const QString& pentru)
{
    const QString mari = litere.trimmed().toUpper();
    const int indice = IndiceColoana(mari);
    if (indice < 0 || indice > UltimaColoanaCitita)
        throw EEroare(QStringLiteral("%1: \"%2\" nu este o coloana intre A si ZZ.").arg(pentru, litere));
    return mari;
}

// "ID=MOD" split at its first "=".
std::pair<QString, QString> DesparteCampul(const QString& text)
{
    const int egal = text.indexOf(u'=');
    if (egal <= 0)
        throw EEroare(QStringLiteral("--field trebuie scris ID=MOD, nu \"%1\".").arg(text));
    return {text.left(egal).trimmed(), text.mid(egal + 1)};
}

QString ColoanaCnpVerificata(const QString& litere)
{
    if (litere.trimmed().isEmpty())
        throw EEroare(QStringLiteral("--import cere --cnp-column LITERE: coloana din care se preia CNP-ul."));
    return LitereVerificate(litere, QStringLiteral("--cnp-column"));
}

} // namespace

TSursaCamp SursaDinText(const QString& idCamp, const QString& mod)
{
    const QString pentru = QStringLiteral("--field %1").arg(idCamp);
    const int doua = mod.indexOf(u':');
    const QString tip = doua < 0 ? mod : mod.left(doua);
    const QString valoare = mod.mid(doua + 1);
    TSursaCamp sursa;
    sursa.IdCamp = idCamp;
    if (doua > 0 && tip == QLatin1String("constanta")) {
        sursa.Mod = TModSursa::Constanta;
        sursa.Constanta = valoare;
        return sursa;
    }
    if (doua > 0 && tip == QLatin1String("cnp")) {
        const int bara = valoare.indexOf(u'/');
        if (bara < 0)
            throw EEroare(QStringLiteral("%1: cnp cere TEXT_FETE/TEXT_BAIETI, nu \"%2\".").arg(pentru, valoare));
        sursa.Mod = TModSursa::DinCnp;
        sursa.TextFete = valoare.left(bara);
        sursa.TextBaieti = valoare.mid(bara + 1);
        return sursa;
    }
    const std::pair<const char*, TModSursa> cuColoana[] = {
        {"coloana", TModSursa::Coloana}, {"prima", TModSursa::PrimaParte}, {"adoua", TModSursa::ADouaParte}};
    for (const auto& [nume, m] : cuColoana)
        if (doua > 0 && tip == QLatin1String(nume)) {
            sursa.Mod = m;
            sursa.Coloana = LitereVerificate(valoare, pentru);
            return sursa;
        }
    throw EEroare(QStringLiteral("%1: modul \"%2\" nu este cunoscut; modurile sunt %3.").arg(pentru, tip, Moduri));
}

QString TextSursa(const TSursaCamp& sursa)
{
    switch (sursa.Mod) {
    case TModSursa::Constanta:
        return QStringLiteral("constanta:") + sursa.Constanta;
    case TModSursa::DinCnp:
        return QStringLiteral("cnp:%1/%2").arg(sursa.TextFete, sursa.TextBaieti);
    case TModSursa::PrimaParte:
        return QStringLiteral("prima:") + sursa.Coloana;
    case TModSursa::ADouaParte:
        return QStringLiteral("adoua:") + sursa.Coloana;
    case TModSursa::Coloana:
        break;
    }
    return QStringLiteral("coloana:") + sursa.Coloana;
}

std::vector<TSursaCamp> SurseDinComanda(const TComandaImport& comanda, const std::vector<TCampImportabil>& importabile)
{
    QSet<QString> formulareProfil;
    for (const TCampImportabil& camp : importabile)
        formulareProfil.insert(camp.CodFormular);
    for (const QString& formular : comanda.Formulare)
        if (!formulareProfil.contains(formular))
            throw EEroare(QStringLiteral("--forms: formularul \"%1\" nu are campuri de preluat.").arg(formular));
    std::vector<TSursaCamp> surse;
    for (const TCampImportabil& camp : importabile) {
        TSursaCamp sursa;
        sursa.IdCamp = camp.IdCamp;
        sursa.NuImport = true;
        surse.push_back(sursa);
    }
    QSet<QString> numite;
    for (const QString& text : comanda.Campuri) {
        const auto [id, mod] = DesparteCampul(text);
        if (numite.contains(id))
            throw EEroare(QStringLiteral("--field %1 este dat de doua ori.").arg(id));
        numite.insert(id);
        auto loc = std::find_if(surse.begin(), surse.end(), [&id](const TSursaCamp& s) { return s.IdCamp == id; });
        if (loc == surse.end())
            throw EEroare(QStringLiteral("--field: \"%1\" nu este un camp al elevilor care se poate prelua.").arg(id));
        const TCampImportabil& camp = importabile[size_t(loc - surse.begin())];
        TSursaCamp sursa = SursaDinText(id, mod);
        sursa.NuImport = !comanda.Formulare.isEmpty() && !comanda.Formulare.contains(camp.CodFormular);
        *loc = sursa;
    }
    return surse;
}

bool RuleazaImportul(const TComandaImport& comanda, QTextStream& iesire)
{
    const QString coloanaCnp = ColoanaCnpVerificata(comanda.ColoanaCnp);
    for (const QString& text : comanda.Campuri) {
        const auto [id, mod] = DesparteCampul(text);
        SursaDinText(id, mod);
    }
    const std::unique_ptr<TRegistru> registru = DeschideRegistru(comanda.Fisier);
    TListaColoaneExcel coloane;
    CitesteFoaia(registru->Foaie(comanda.Foaie.isEmpty() ? registru->Foi().value(0) : comanda.Foaie), coloane);
    const std::unique_ptr<TDM> dm = PornesteModululDeDateFaraFerestre();
    const TRezultatImport rezultat = Importa(coloane, coloanaCnp, SurseDinComanda(comanda, CampuriImportabile()),
                                             [](int, int) { return !OprireCeruta(); });
    iesire << QStringLiteral("Elevi noi: %1\n").arg(rezultat.Creati)
           << QStringLiteral("Elevi actualizati: %1\n").arg(rezultat.Actualizati);
    if (!rezultat.Oprit)
        return true;
    QTextStream(stderr) << QStringLiteral("Preluarea a fost oprita: au fost preluate %1 din %2 randuri, care raman in "
                                          "baza de date.")
                               .arg(rezultat.Creati + rezultat.Actualizati)
                               .arg(coloane.NumarRanduri())
                        << Qt::endl;
    return false;
}
