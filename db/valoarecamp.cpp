// Field value resolution and display expressions of the data module.
#include "db/tdm.h"

#include "base/eroare.h"
#include "db/identificator.h"

namespace {

const QString Elevi = QStringLiteral("ELEVI");

const QString SelectRandValoare = QStringLiteral(
    "SELECT * FROM \"DATE\" WHERE (COD_FORMULAR=:COD_FORMULAR) AND (COD_PAGINA=:COD_PAGINA) AND "
    "(COD_CAMP=:COD_CAMP) AND (ID_%1=:ID)");

const QString SelectRandPrimaInregistrare = QStringLiteral(
    "SELECT * FROM \"DATE\" WHERE (COD_FORMULAR=:COD_FORMULAR) AND (COD_PAGINA=:COD_PAGINA) AND "
    "(COD_CAMP=:COD_CAMP) AND (ID_%1=(SELECT MIN(ID_%1) FROM %1))");

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

// Whether the name is one of TABELE, letter case included.
bool EsteTabelInregistrat(TInterogare& q, const QString& tabel)
{
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT NUME_TABEL FROM TABELE WHERE NUME_TABEL = :NUME_TABEL"));
    q.ParamByName("NUME_TABEL", tabel);
    q.Open();
    return !q.Eof();
}

} // namespace

TReferintaCamp TDM::DescompuneReferinta(const QString& text)
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

QString TDM::SpatiereMajuscule(const QString& text)
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

QString TDM::ValoareCamp(const QString& formular, const QString& pagina, const QString& camp, int id,
                         const QString& tabel)
{
    TTranzactieImprumutata tr(m_tr);
    QSet<QString> vizitate;
    return ValoareCampVizitat({formular, pagina, camp}, id, tabel, vizitate);
}

QString TDM::ValoareCampVizitat(const TReferintaCamp& ref, int id, const QString& tabel, QSet<QString>& vizitate)
{
    // A chain of links that comes back to a field already visited would never end.
    const QString cheie = ref.Formular + QLatin1Char('.') + ref.Pagina + QLatin1Char('.') + ref.Camp;
    if (vizitate.contains(cheie))
        return {};
    vizitate.insert(cheie);

    QString onorez, similarCu, asociatCu;
    {
        TInchideLaFinal inchide(Q1());
        Q1().SQL(QStringLiteral("SELECT * FROM PROFIL_DIPLOMA WHERE (COD_FORMULAR=:COD_FORMULAR) AND "
                                "(COD_PAGINA=:COD_PAGINA) AND (COD_CAMP=:COD_CAMP)"));
        LeagaReferinta(Q1(), ref);
        Q1().Open();
        if (Q1().Eof())
            return {};
        onorez = Q1().FieldByName(QStringLiteral("ONOREZ_SIMILAR")).AsString();
        similarCu = Q1().FieldByName(QStringLiteral("SIMILAR_CU")).AsString();
        asociatCu = Q1().FieldByName(QStringLiteral("ASOCIAT_CU")).AsString();
    }
    if (onorez.toUpper() == QLatin1String("NU") || onorez.isEmpty() || FaraLegatura(similarCu))
        return ValoareProprie(ref, asociatCu, id, tabel);
    if (onorez == QLatin1String("OPTIONAL")) {
        const QString proprie = ValoareProprie(ref, asociatCu, id, tabel);
        if (!proprie.isEmpty())
            return proprie;
    }
    return ValoareCampVizitat(DescompuneReferinta(similarCu), id, tabel, vizitate);
}

QString TDM::ValoareDinRand(TInterogare& q, const QString& sql, const TReferintaCamp& ref, const QVariant& id)
{
    TInchideLaFinal inchide(q);
    q.SQL(sql);
    LeagaReferinta(q, ref);
    if (id.isValid())
        q.ParamByName("ID", id);
    q.Open();
    return q.Eof() ? QString() : q.FieldByName(QStringLiteral("VALOARE_TEXT")).AsString();
}

QString TDM::ValoareProprie(const TReferintaCamp& ref, const QString& asociatCu, int id, const QString& tabel)
{
    const QString& t = NumeTabelVerificat(tabel);
    if (asociatCu == t)
        return ValoareDinRand(Q2(), SelectRandValoare.arg(t), ref, id);

    // The field belongs to another table A: follow the IDF_<A> link of the record's own row.
    const QString& a = NumeTabelVerificat(asociatCu);
    TCamp legatura(QVariant{});
    {
        TInchideLaFinal inchide(Q2());
        Q2().SQL(SelectRandValoare.arg(t));
        LeagaReferinta(Q2(), ref);
        Q2().ParamByName("ID", id);
        Q2().Open();
        if (!Q2().Eof())
            legatura = Q2().FieldByName(QStringLiteral("IDF_") + a);
    }
    if (!legatura.IsNull())
        return ValoareDinRand(Q3(), SelectRandValoare.arg(a), ref, legatura.AsInteger());
    // Nothing writes such links: without one, the value is the one stored by the first
    // record of A (the school), so the school entered once shows on every certificate.
    // Only for a table that is one of TABELE exactly: "elevi" names the pupils' own table
    // to SQL and would show the first pupil's value for every pupil.
    if (!EsteTabelInregistrat(Q3(), a))
        return {};
    return ValoareDinRand(Q3(), SelectRandPrimaInregistrare.arg(a), ref, QVariant());
}

QString TDM::ParseExp(const QString& expresie, int id, const QString& tabel)
{
    if (!m_tr.Active())
        throw EEroare(QStringLiteral("Tranzactia trebuie sa fie activa in momentul apelarii procedurii ParseExp"));
    QString rezultat, referinta;
    bool inauntru = false;
    for (const QChar c : expresie) {
        if (!inauntru && c == QLatin1Char('{')) {
            referinta.clear();
            inauntru = true;
        } else if (!inauntru) {
            rezultat.append(c);
        } else if (c == QLatin1Char('}')) {
            const TReferintaCamp ref = DescompuneReferinta(referinta);
            rezultat.append(ValoareCamp(ref.Formular, ref.Pagina, ref.Camp, id, tabel));
            inauntru = false;
        } else {
            referinta.append(c);
        }
    }
    return rezultat;
}
