#include "db/valoarecamp.h"

#include "db/tdm.h"

#include "base/eroare.h"
#include "base/semnale.h"
#include "db/identificator.h"

#include <QHash>
#include <QMap>
#include <QPair>
#include <functional>
#include <optional>

namespace {

const QString Elevi = QStringLiteral("ELEVI");

const QString SelectRandValoare = QStringLiteral(
    "SELECT * FROM \"DATE\" WHERE (COD_FORMULAR=:COD_FORMULAR) AND (COD_PAGINA=:COD_PAGINA) AND "
    "(COD_CAMP=:COD_CAMP) AND (ID_%1=:ID)");

const QString SelectRandPrimaInregistrare = QStringLiteral(
    "SELECT * FROM \"DATE\" WHERE (COD_FORMULAR=:COD_FORMULAR) AND (COD_PAGINA=:COD_PAGINA) AND "
    "(COD_CAMP=:COD_CAMP) AND (ID_%1=(SELECT MIN(ID_%1) FROM %1)) AND "
    "EXISTS (SELECT NUME_TABEL FROM TABELE WHERE NUME_TABEL = :NUME_TABEL)");

// A link made only of blanks and control characters is no link.
bool FaraLegatura(const QString& similarCu)
{
    for (const QChar c : similarCu)
        if (c.unicode() > 0x20)
            return false;
    return true;
}

void LeagaReferinta(TInterogare& q, const TReferintaCamp& ref)
{
    q.ParamByName("COD_FORMULAR", ref.Formular);
    q.ParamByName("COD_PAGINA", ref.Pagina);
    q.ParamByName("COD_CAMP", ref.Camp);
}

QString ValoareDinRand(TInterogare& q, const QString& sql, const TReferintaCamp& ref, const QString& parametru,
                       const QVariant& valoare)
{
    TInchideLaFinal inchide(q);
    q.SQL(sql);
    LeagaReferinta(q, ref);
    q.ParamByName(parametru, valoare);
    q.Open();
    return q.Eof() ? QString() : q.FieldByName(QStringLiteral("VALOARE_TEXT")).AsString();
}

// What resolution needs of a field's profile row.
struct TRandProfil {
    QString Onorez, SimilarCu, AsociatCu;
};

// Where resolution reads profile rows and own values: the database one lookup at a time, or
// what was read beforehand for a whole list.
class TSursaRezolvare {
public:
    virtual ~TSursaRezolvare() = default;
    virtual std::optional<TRandProfil> RandProfil(const TReferintaCamp& ref) = 0;
    virtual QString ValoareProprie(const TReferintaCamp& ref, const QString& asociatCu, int id,
                                   const QString& tabel) = 0;
};

class TSursaBazaDeDate : public TSursaRezolvare {
public:
    std::optional<TRandProfil> RandProfil(const TReferintaCamp& ref) override
    {
        TInterogare& q = DM().Q1();
        TInchideLaFinal inchide(q);
        q.SQL(QStringLiteral("SELECT * FROM PROFIL_DIPLOMA WHERE (COD_FORMULAR=:COD_FORMULAR) AND "
                             "(COD_PAGINA=:COD_PAGINA) AND (COD_CAMP=:COD_CAMP)"));
        LeagaReferinta(q, ref);
        q.Open();
        if (q.Eof())
            return std::nullopt;
        return TRandProfil{q.FieldByName(QStringLiteral("ONOREZ_SIMILAR")).AsString(),
                           q.FieldByName(QStringLiteral("SIMILAR_CU")).AsString(),
                           q.FieldByName(QStringLiteral("ASOCIAT_CU")).AsString()};
    }

    QString ValoareProprie(const TReferintaCamp& ref, const QString& asociatCu, int id, const QString& tabel) override
    {
        const QString& t = NumeTabelVerificat(tabel);
        if (asociatCu == t)
            return ValoareDinRand(DM().Q2(), SelectRandValoare.arg(t), ref, QStringLiteral("ID"), id);

        // The field belongs to another table A: follow the IDF_<A> link of the record's own row.
        const QString& a = NumeTabelVerificat(asociatCu);
        TCamp legatura(QVariant{});
        {
            TInterogare& q = DM().Q2();
            TInchideLaFinal inchide(q);
            q.SQL(SelectRandValoare.arg(t));
            LeagaReferinta(q, ref);
            q.ParamByName("ID", id);
            q.Open();
            if (!q.Eof())
                legatura = q.FieldByName(QStringLiteral("IDF_") + a);
        }
        if (!legatura.IsNull())
            return ValoareDinRand(DM().Q3(), SelectRandValoare.arg(a), ref, QStringLiteral("ID"),
                                  legatura.AsInteger());
        // Nothing writes such links: without one, the value is the one stored by the first
        // record of A (the school), so the school entered once shows on every certificate.
        // Only for a table that is one of TABELE exactly (checked in the same statement, so the
        // lookup stays one prepared statement): "elevi" names the pupils' own table to SQL and
        // would show the first pupil's value for every pupil.
        return ValoareDinRand(DM().Q3(), SelectRandPrimaInregistrare.arg(a), ref, QStringLiteral("NUME_TABEL"), a);
    }
};

QString ValoareCampVizitat(const TReferintaCamp& ref, int id, const QString& tabel, TSursaRezolvare& sursa,
                           QSet<QString>& vizitate)
{
    // A chain of links that comes back to a field already visited would never end.
    const QString cheie = ref.Formular + QLatin1Char('.') + ref.Pagina + QLatin1Char('.') + ref.Camp;
    if (vizitate.contains(cheie))
        return {};
    vizitate.insert(cheie);

    const std::optional<TRandProfil> rand = sursa.RandProfil(ref);
    if (!rand)
        return {};
    if (rand->Onorez.toUpper() == QLatin1String("NU") || rand->Onorez.isEmpty() || FaraLegatura(rand->SimilarCu))
        return sursa.ValoareProprie(ref, rand->AsociatCu, id, tabel);
    if (rand->Onorez == QLatin1String("OPTIONAL")) {
        const QString proprie = sursa.ValoareProprie(ref, rand->AsociatCu, id, tabel);
        if (!proprie.isEmpty())
            return proprie;
    }
    return ValoareCampVizitat(DescompuneReferinta(rand->SimilarCu), id, tabel, sursa, vizitate);
}

QString Rezolva(const TReferintaCamp& ref, int id, const QString& tabel, TSursaRezolvare& sursa)
{
    QSet<QString> vizitate;
    return ValoareCampVizitat(ref, id, tabel, sursa, vizitate);
}

// Replaces every "{FORMULAR.PAG.CAMP}" by what `valoare` gives for it.
QString Expandeaza(const QString& expresie, const std::function<QString(const TReferintaCamp&)>& valoare)
{
    QString rezultat, referinta;
    bool inauntru = false;
    for (const QChar c : expresie) {
        if (!inauntru && c == QLatin1Char('{')) {
            referinta.clear();
            inauntru = true;
        } else if (!inauntru) {
            rezultat.append(c);
        } else if (c == QLatin1Char('}')) {
            rezultat.append(valoare(DescompuneReferinta(referinta)));
            inauntru = false;
        } else {
            referinta.append(c);
        }
    }
    return rezultat;
}

void VerificaTranzactiaActiva()
{
    if (!DM().Tr().Active())
        throw EEroare(QStringLiteral("Tranzactia trebuie sa fie activa in momentul apelarii procedurii ParseExp"));
}

// --- Resolution for a whole list -------------------------------------------------------

using TCheieValoare = QPair<QString, int>;

// The whole profile, read in one statement.
class TProfilCitit {
public:
    void Citeste()
    {
        TInterogare& q = DM().Q1();
        TInchideLaFinal inchide(q);
        q.SQL(QStringLiteral("SELECT COD_FORMULAR, COD_PAGINA, COD_CAMP, ONOREZ_SIMILAR, SIMILAR_CU, ASOCIAT_CU FROM "
                             "PROFIL_DIPLOMA"));
        for (q.Open(); !q.Eof(); q.Next()) {
            const QString cheie = CheieComparata(q.Fields(0).AsString(), q.Fields(1).AsString(), q.Fields(2).AsString());
            if (!m_randuri.contains(cheie))
                m_randuri.insert(cheie, {q.Fields(3).AsString(), q.Fields(4).AsString(), q.Fields(5).AsString()});
        }
    }
    std::optional<TRandProfil> Rand(const TReferintaCamp& ref) const
    {
        const auto rand = m_randuri.constFind(CheieComparata(ref));
        if (rand == m_randuri.constEnd())
            return std::nullopt;
        return *rand;
    }

private:
    QHash<QString, TRandProfil> m_randuri;
};

// The own values an expression may need: resolution walked once with every own value empty,
// which follows every link an "OPTIONAL" field could fall back to.
class TCereriValori : public TSursaRezolvare {
public:
    explicit TCereriValori(const TProfilCitit& profil) : m_profil(profil) {}
    std::optional<TRandProfil> RandProfil(const TReferintaCamp& ref) override { return m_profil.Rand(ref); }
    QString ValoareProprie(const TReferintaCamp& ref, const QString& asociatCu, int, const QString&) override
    {
        QList<TReferintaCamp>& campuri = m_campuri[asociatCu];
        const QString cheie = CheieComparata(ref);
        bool gasit = false;
        for (const TReferintaCamp& camp : std::as_const(campuri))
            gasit = gasit || CheieComparata(camp) == cheie;
        if (!gasit)
            campuri.append(ref);
        return {};
    }
    // The fields asked for, by the table that owns them.
    const QMap<QString, QList<TReferintaCamp>>& Campuri() const { return m_campuri; }

private:
    const TProfilCitit& m_profil;
    QMap<QString, QList<TReferintaCamp>> m_campuri;
};

// "(COD_FORMULAR=:F0 AND ...) OR ..." for the fields, bound by LeagaCampurile.
QString ConditieCampuri(const QList<TReferintaCamp>& campuri)
{
    QStringList conditii;
    for (int i = 0; i < campuri.size(); ++i)
        conditii << QStringLiteral("(COD_FORMULAR=:F%1 AND COD_PAGINA=:P%1 AND COD_CAMP=:C%1)").arg(i);
    return QLatin1Char('(') + conditii.join(QStringLiteral(" OR ")) + QLatin1Char(')');
}

void LeagaCampurile(TInterogare& q, const QList<TReferintaCamp>& campuri)
{
    for (int i = 0; i < campuri.size(); ++i) {
        q.ParamByName(QStringLiteral("F%1").arg(i), campuri.at(i).Formular);
        q.ParamByName(QStringLiteral("P%1").arg(i), campuri.at(i).Pagina);
        q.ParamByName(QStringLiteral("C%1").arg(i), campuri.at(i).Camp);
    }
}

// The first row of each field and owner, as the lookups of one record take it. `coloana` is
// the column kept: VALOARE_TEXT, or the link column IDF_<A>.
QHash<TCheieValoare, TCamp> RanduriCampuri(const QString& tabel, const QList<TReferintaCamp>& campuri,
                                           const QString& coloana)
{
    QHash<TCheieValoare, TCamp> randuri;
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT ID_%1, COD_FORMULAR, COD_PAGINA, COD_CAMP, %2 FROM \"DATE\" WHERE ID_%1 IS NOT NULL "
                         "AND %3")
              .arg(tabel, coloana, ConditieCampuri(campuri)));
    LeagaCampurile(q, campuri);
    for (q.Open(); !q.Eof(); q.Next()) {
        const TCheieValoare cheie(CheieComparata(q.Fields(1).AsString(), q.Fields(2).AsString(), q.Fields(3).AsString()),
                                  q.Fields(0).AsInteger());
        if (!randuri.contains(cheie))
            randuri.insert(cheie, q.Fields(4));
    }
    return randuri;
}

// The values of fields another table A owns, reached from the listed table's records.
struct TValoriTabelStraina {
    QHash<TCheieValoare, TCamp> Legaturi;  // IDF_<A> of the listed records' own rows
    QHash<TCheieValoare, TCamp> Valori;    // the rows A's records own
    std::optional<int> PrimaInregistrare;   // the first record of A, when A is one of TABELE
    // What reading them raised: resolution raises it only when it reaches the field.
    std::optional<QString> Eroare;
};

std::optional<int> PrimaInregistrare(const QString& a)
{
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT MIN(ID_%1) FROM %1 WHERE EXISTS (SELECT NUME_TABEL FROM TABELE WHERE NUME_TABEL = "
                         ":NUME_TABEL)")
              .arg(a));
    q.ParamByName("NUME_TABEL", a);
    q.Open();
    if (q.Eof() || q.Fields(0).IsNull())
        return std::nullopt;
    return q.Fields(0).AsInteger();
}

TValoriTabelStraina CitesteTabelStraina(const QString& tabel, const QString& asociatCu,
                                        const QList<TReferintaCamp>& campuri)
{
    TValoriTabelStraina valori;
    try {
        const QString& a = NumeTabelVerificat(asociatCu);
        valori.Legaturi = RanduriCampuri(tabel, campuri, QStringLiteral("IDF_") + a);
        valori.Valori = RanduriCampuri(a, campuri, QStringLiteral("VALOARE_TEXT"));
        valori.PrimaInregistrare = PrimaInregistrare(a);
    } catch (const EEroare& e) {
        valori.Eroare = e.Mesaj();
    }
    return valori;
}

// Answers resolution from what was read for the list.
class TValoriCitite : public TSursaRezolvare {
public:
    TValoriCitite(const TProfilCitit& profil, const QString& tabel, const TCereriValori& cereri)
        : m_profil(profil)
    {
        for (auto camp = cereri.Campuri().constBegin(); camp != cereri.Campuri().constEnd(); ++camp) {
            if (camp.key() == tabel)
                m_proprii = RanduriCampuri(tabel, camp.value(), QStringLiteral("VALOARE_TEXT"));
            else
                m_straine.insert(camp.key(), CitesteTabelStraina(tabel, camp.key(), camp.value()));
        }
    }

    std::optional<TRandProfil> RandProfil(const TReferintaCamp& ref) override { return m_profil.Rand(ref); }

    QString ValoareProprie(const TReferintaCamp& ref, const QString& asociatCu, int id, const QString& tabel) override
    {
        const QString cheie = CheieComparata(ref);
        if (asociatCu == tabel)
            return m_proprii.value({cheie, id}, TCamp(QVariant{})).AsString();
        const TValoriTabelStraina& straina = m_straine[asociatCu];
        if (straina.Eroare)
            throw EEroare(*straina.Eroare);
        const TCamp legatura = straina.Legaturi.value({cheie, id}, TCamp(QVariant{}));
        const std::optional<int> inregistrare =
            legatura.IsNull() ? straina.PrimaInregistrare : std::optional<int>(legatura.AsInteger());
        if (!inregistrare)
            return {};
        return straina.Valori.value({cheie, *inregistrare}, TCamp(QVariant{})).AsString();
    }

private:
    const TProfilCitit& m_profil;
    QHash<TCheieValoare, TCamp> m_proprii;
    QHash<QString, TValoriTabelStraina> m_straine;
};

} // namespace

QString CheieComparata(const QString& formular, const QString& pagina, const QString& camp)
{
    auto comparat = [](const QString& cod) {
        int lungime = cod.size();
        while (lungime > 0 && cod.at(lungime - 1) == QLatin1Char(' '))
            --lungime;
        return cod.left(lungime);
    };
    return comparat(formular) + QChar(0) + comparat(pagina) + QChar(0) + comparat(camp);
}

QString CheieComparata(const TReferintaCamp& ref)
{
    return CheieComparata(ref.Formular, ref.Pagina, ref.Camp);
}

QString ValoareCamp(const TReferintaCamp& ref, int id, const QString& tabel)
{
    TTranzactieImprumutata tr(DM().Tr(), TTipTranzactie::Citire);
    TSursaBazaDeDate sursa;
    return Rezolva(ref, id, tabel, sursa);
}

TReferintaCamp DescompuneReferinta(const QString& text)
{
    TReferintaCamp ref;
    QString* parti[] = {&ref.Formular, &ref.Pagina, &ref.Camp};
    int parte = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('.'))
            ++parte;
        else if (parte < 3)
            parti[parte]->append(c);
    }
    return ref;
}

QString SpatiereMajuscule(const QString& text)
{
    QString rezultat;
    rezultat.reserve(text.size() * 2);
    for (const QChar c : text) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            rezultat.append(QLatin1Char(' '));
        rezultat.append(c);
    }
    return rezultat;
}

QString ParseExp(const QString& expresie, int id, const QString& tabel)
{
    VerificaTranzactiaActiva();
    return Expandeaza(expresie, [&](const TReferintaCamp& ref) { return ValoareCamp(ref, id, tabel); });
}

QStringList ParseExpInregistrari(const QString& expresie, const QList<int>& iduri, const QString& tabel)
{
    VerificaTranzactiaActiva();
    const QString& t = NumeTabelVerificat(tabel);
    QStringList linii;
    if (iduri.isEmpty())
        return linii;
    TProfilCitit profil;
    profil.Citeste();
    TCereriValori cereri(profil);
    Expandeaza(expresie, [&](const TReferintaCamp& ref) { return Rezolva(ref, iduri.first(), t, cereri); });
    TValoriCitite valori(profil, t, cereri);
    for (const int id : iduri) {
        // A long list stops on a signal as the statements of a shorter one do.
        VerificaOprirea();
        linii << Expandeaza(expresie, [&](const TReferintaCamp& ref) { return Rezolva(ref, id, t, valori); });
    }
    return linii;
}
