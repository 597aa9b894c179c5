#include "import/importexcel.h"

#include "base/eroare.h"
#include "db/depozit.h"
#include "db/scriereimport.h"
#include "db/tdm.h"
#include "registre/coloaneexcel.h"

#include <algorithm>
#include <utility>

namespace {

const QString Elevi = QStringLiteral("ELEVI");

QString IdentificatorCamp(const QString& formular, const QString& pagina, const QString& camp)
{
    return formular + QLatin1Char('.') + pagina + QLatin1Char('.') + camp;
}

// The first digit of a CNP is odd for men and even for women, whatever the century (1/2,
// 3/4, 5/6, 7/8): pupils born from 2000 have 5 and 6.
bool CnpDeBaiat(const QString& cnp)
{
    const QChar c = cnp.isEmpty() ? QChar() : cnp.front();
    return c == u'1' || c == u'3' || c == u'5' || c == u'7';
}

std::pair<QString, QString> DesparteLaPrimulBlanc(const QString& text)
{
    const QString curat = text.trimmed();
    const int blanc = curat.indexOf(u' ');
    if (blanc < 0)
        return {curat, QString()};
    return {curat.left(blanc).trimmed(), curat.mid(blanc + 1).trimmed()};
}

QString TextColoana(const TListaColoaneExcel& coloane, const QString& litere, int rand)
{
    const TColoanaExcel* coloana = coloane.Coloana(litere);
    return coloana ? coloana->Text(rand) : QString();
}

// Romanian counts from 20 up take "de" ("20 de elevi"), except after 1 to 19 in the last two digits.
QString NumarElevi(int numar)
{
    const int ultimele = numar % 100;
    const bool cuDe = numar >= 20 && (ultimele == 0 || ultimele >= 20);
    return QStringLiteral("%1 %2elevi").arg(numar).arg(cuDe ? QStringLiteral("de ") : QString());
}

QString PreluatiInainte(int numar)
{
    if (numar == 0)
        return QStringLiteral("Nu a fost preluat niciun elev inainte de el.");
    if (numar == 1)
        return QStringLiteral("A fost preluat un elev inainte de el.");
    return QStringLiteral("Au fost preluati %1 inainte de el.").arg(NumarElevi(numar));
}

// One field's text for the row being imported.
struct TValoareDeScris {
    TReferintaCamp Camp;
    QString Valoare;
};

class TImportRanduri {
public:
    TImportRanduri(const TListaColoaneExcel& coloane, const TColoanaExcel& cnpuri, TReferintaCamp campCnp,
                   const std::vector<TSursaCamp>& surse)
        : m_coloane(coloane), m_cnpuri(cnpuri), m_campCnp(std::move(campCnp)), m_marime(MarimeValoareText()),
          m_grup(DM().Tr(), [this] { IncepeGrupul(); })
    {
        for (const TSursaCamp& sursa : surse)
            if (!sursa.NuImport)
                m_surse.push_back(&sursa);
    }

    // Whether the row created a new pupil; a failure names the row, once the rows before it
    // are committed.
    bool Importa(int rand, int preluati)
    {
        const QString cnp = m_cnpuri.Text(rand);
        try {
            const std::vector<TValoareDeScris> valori = Valori(rand, cnp);
            m_rand = rand;
            return ScrieRandul(cnp, valori);
        } catch (const EEroare& e) {
            m_grup.Comite();
            const QString cine = cnp.isEmpty() ? QString() : QStringLiteral(" (CNP %1)").arg(cnp);
            QString cauza = e.Mesaj().trimmed();
            if (!cauza.endsWith(u'.'))
                cauza += QLatin1Char('.');
            throw EEroare(QStringLiteral("Randul %1%2 nu a putut fi preluat: %3 %4")
                              .arg(m_coloane.RandFoaie(rand))
                              .arg(cine, cauza, PreluatiInainte(preluati)));
        }
    }

    // Commits the rows imported so far.
    void Termina() { m_grup.Comite(); }

private:
    // Every text of the row, checked before any statement of the row runs: the column would
    // refuse a longer text with the engine's own message, or another engine cut it.
    std::vector<TValoareDeScris> Valori(int rand, const QString& cnp) const
    {
        if (cnp.isEmpty())
            throw EEroare(QStringLiteral("nu are CNP in coloana %1").arg(m_cnpuri.Litera()));
        VerificaLungimea(IdCampCnp(), cnp);
        std::vector<TValoareDeScris> valori;
        for (const TSursaCamp* sursa : m_surse) {
            QString valoare = ValoareSursa(*sursa, m_coloane, rand, cnp);
            VerificaLungimea(sursa->IdCamp, valoare);
            valori.push_back({DescompuneReferinta(sursa->IdCamp), std::move(valoare)});
        }
        return valori;
    }

    void VerificaLungimea(const QString& idCamp, const QString& valoare) const
    {
        const int lungime = m_marime.InOcteti ? int(valoare.toUtf8().size()) : int(valoare.toUcs4().size());
        if (lungime <= m_marime.Maxim)
            return;
        const QString unitate = m_marime.InOcteti ? QStringLiteral("octeti") : QStringLiteral("caractere");
        throw EEroare(QStringLiteral("textul pentru campul %1 are %2 %3, iar baza de date pastreaza cel mult %4")
                          .arg(idCamp)
                          .arg(lungime)
                          .arg(unitate)
                          .arg(m_marime.Maxim));
    }

    QString IdCampCnp() const { return IdentificatorCamp(m_campCnp.Formular, m_campCnp.Pagina, m_campCnp.Camp); }

    // Each group of rows looks the CNPs and its pupils' values up again once it holds the lock
    // on new pupils: two imports of one class never both miss a pupil and create it twice, and
    // a value another user stored meanwhile is overwritten as the row says.
    void IncepeGrupul()
    {
        BlocheazaInregistrariNoi(Elevi);
        m_elevi = EleviDupaCnp(m_campCnp);
        if (m_campuriElevi.empty())
            m_campuriElevi = CampuriElevi();
        QList<int> iduri;
        const int sfarsit = std::min(m_coloane.NumarRanduri(), m_rand + TTranzactieGrupata::RanduriPeGrup);
        for (int rand = m_rand; rand < sfarsit; ++rand)
            if (const auto elev = m_elevi.constFind(CheieCnp(m_cnpuri.Text(rand))); elev != m_elevi.cend())
                iduri.append(*elev);
        m_valori.Citeste(iduri);
    }

    // A row that met another import's row of the same CNP is written again in a new group: it
    // then finds the pupil the other one created and updates it.
    bool ScrieRandul(const QString& cnp, const std::vector<TValoareDeScris>& valori)
    {
        return RepetaLaConflict([&] {
            bool nou = false;
            m_grup.Ruleaza([&] { nou = ScrieRandulOData(cnp, valori); });
            return nou;
        });
    }

    bool ScrieRandulOData(const QString& cnp, const std::vector<TValoareDeScris>& valori)
    {
        const QString cheie = CheieCnp(cnp);
        std::optional<int> id;
        if (const auto elev = m_elevi.constFind(cheie); elev != m_elevi.cend())
            id = *elev;
        // The pupil's row too, as a save from the editor takes it, so that neither overwrites
        // the other unseen.
        if (id && !BlocheazaInregistrarea(Elevi, *id))
            id.reset();
        if (!id) {
            CreeazaElevul(cnp, valori);
            return true;
        }
        for (const TValoareDeScris& v : valori)
            if (!m_valori.Neschimbata(*id, v.Camp, v.Valoare))
                ScrieValoareElev(v.Camp, *id, v.Valoare);
        for (const TValoareDeScris& v : valori)
            m_valori.Scrisa(*id, v.Camp, v.Valoare);
        return false;
    }

    // A value row for every pupil field, each with its text from the start: the CNP, the
    // imported values (a later source of one field wins), empty for the others.
    void CreeazaElevul(const QString& cnp, const std::vector<TValoareDeScris>& valori)
    {
        QHash<QString, QString> texte;
        texte.insert(CheieComparata(m_campCnp), cnp);
        for (const TValoareDeScris& v : valori)
            texte.insert(CheieComparata(v.Camp), v.Valoare);
        const int id = InregistrareNoua(Elevi);
        for (const TReferintaCamp& camp : m_campuriElevi)
            InsereazaValoareElev(camp, id, texte.value(CheieComparata(camp), QStringLiteral("")));
        for (const TReferintaCamp& camp : m_campuriElevi)
            m_valori.RandNou(id, camp, texte.value(CheieComparata(camp), QStringLiteral("")));
        m_elevi.insert(CheieCnp(cnp), id);
    }

    const TListaColoaneExcel& m_coloane;
    const TColoanaExcel& m_cnpuri;
    const TReferintaCamp m_campCnp;
    const TMarimeValoareText m_marime;
    std::vector<const TSursaCamp*> m_surse;
    TTranzactieGrupata m_grup;
    int m_rand = 0;
    QHash<QString, int> m_elevi;
    std::vector<TReferintaCamp> m_campuriElevi;
    TValoriElevi m_valori;
};

} // namespace

std::vector<TCampImportabil> CampuriImportabile()
{
    std::vector<TCampImportabil> campuri;
    for (const TLinieImport& linie : LiniiPaginiImport())
        if (linie.TipDeDate != QLatin1String("CNP"))
            campuri.push_back({IdentificatorCamp(linie.CodFormular.trimmed(), linie.CodPagina.trimmed(),
                                                 linie.CodCamp.trimmed()),
                               linie.CodFormular.trimmed(), EtichetaCurata(linie.EtichetaEditor)});
    return campuri;
}

QString EtichetaCurata(const QString& eticheta)
{
    QString curata;
    int adancime = 0;
    for (const QChar c : eticheta) {
        if (c == u'[' || c == u'{')
            ++adancime;
        else if (c == u']' || c == u'}')
            adancime = std::max(0, adancime - 1);
        else if (adancime == 0)
            curata += c;
    }
    return curata;
}

QString DescriereSursa(const TSursaCamp& sursa)
{
    if (sursa.NuImport)
        return QStringLiteral("nu se preia");
    switch (sursa.Mod) {
    case TModSursa::Coloana:
        return QStringLiteral("coloana %1").arg(sursa.Coloana);
    case TModSursa::PrimaParte:
        return QStringLiteral("primul cuvant din coloana %1").arg(sursa.Coloana);
    case TModSursa::ADouaParte:
        return QStringLiteral("restul textului din coloana %1").arg(sursa.Coloana);
    case TModSursa::Constanta:
        return QStringLiteral("textul \"%1\" la toti elevii").arg(sursa.Constanta);
    case TModSursa::DinCnp:
        return QStringLiteral("\"%1\" la fete, \"%2\" la baieti").arg(sursa.TextFete, sursa.TextBaieti);
    }
    return {};
}

QString ValoareSursa(const TSursaCamp& sursa, const TListaColoaneExcel& coloane, int rand, const QString& cnp)
{
    switch (sursa.Mod) {
    case TModSursa::Coloana:
        return TextColoana(coloane, sursa.Coloana, rand);
    case TModSursa::Constanta:
        return sursa.Constanta;
    case TModSursa::DinCnp:
        return CnpDeBaiat(cnp) ? sursa.TextBaieti : sursa.TextFete;
    case TModSursa::PrimaParte:
        return DesparteLaPrimulBlanc(TextColoana(coloane, sursa.Coloana, rand)).first;
    case TModSursa::ADouaParte:
        return DesparteLaPrimulBlanc(TextColoana(coloane, sursa.Coloana, rand)).second;
    }
    return QString();
}

TRezultatImport Importa(const TListaColoaneExcel& coloane, const QString& coloanaCnp,
                        const std::vector<TSursaCamp>& surse, const TProgresImport& progres)
{
    const std::optional<TReferintaCamp> campCnp = CampulCnp();
    if (!campCnp)
        throw EEroare(QStringLiteral("NU exista CNP in profil diploma!"));
    const TColoanaExcel& cnpuri = coloane.ColoanaCnp(coloanaCnp);
    const int total = coloane.NumarRanduri();
    if (total == 0)
        throw EEroare(QStringLiteral("Nu am gasit niciun elev de preluat in foaia de calcul."));
    DM().ActualizeazaStatisticiIndecsi();
    TImportRanduri randuri(coloane, cnpuri, *campCnp, surse);
    TRezultatImport rezultat;
    for (int rand = 0; rand < total; ++rand) {
        if (progres && !progres(rand, total)) {
            if (rand == 0)
                throw EEroare(QStringLiteral("Preluarea a fost oprita inainte de primul elev: nu a fost preluat niciun "
                                             "elev."));
            rezultat.Oprit = true;
            break;
        }
        if (randuri.Importa(rand, rezultat.Creati + rezultat.Actualizati))
            ++rezultat.Creati;
        else
            ++rezultat.Actualizati;
    }
    randuri.Termina();
    // For the work after it: the lists, the pages, the next import.
    DM().ActualizeazaStatisticiIndecsi();
    return rezultat;
}
