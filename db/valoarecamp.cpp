#include "db/valoarecamp.h"

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

QString ValoareProprie(const TReferintaCamp& ref, const QString& asociatCu, int id, const QString& tabel)
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
        return ValoareDinRand(DM().Q3(), SelectRandValoare.arg(a), ref, QStringLiteral("ID"), legatura.AsInteger());
    // Nothing writes such links: without one, the value is the one stored by the first
    // record of A (the school), so the school entered once shows on every certificate.
    // Only for a table that is one of TABELE exactly (checked in the same statement, so the
    // lookup stays one prepared statement): "elevi" names the pupils' own table to SQL and
    // would show the first pupil's value for every pupil.
    return ValoareDinRand(DM().Q3(), SelectRandPrimaInregistrare.arg(a), ref, QStringLiteral("NUME_TABEL"), a);
}

QString ValoareCampVizitat(const TReferintaCamp& ref, int id, const QString& tabel, QSet<QString>& vizitate)
{
    // A chain of links that comes back to a field already visited would never end.
    const QString cheie = ref.Formular + QLatin1Char('.') + ref.Pagina + QLatin1Char('.') + ref.Camp;
    if (vizitate.contains(cheie))
        return {};
    vizitate.insert(cheie);

    QString onorez, similarCu, asociatCu;
    {
        TInterogare& q = DM().Q1();
        TInchideLaFinal inchide(q);
        q.SQL(QStringLiteral("SELECT * FROM PROFIL_DIPLOMA WHERE (COD_FORMULAR=:COD_FORMULAR) AND "
                     "(COD_PAGINA=:COD_PAGINA) AND (COD_CAMP=:COD_CAMP)"));
        LeagaReferinta(q, ref);
        q.Open();
        if (q.Eof())
            return {};
        onorez = q.FieldByName(QStringLiteral("ONOREZ_SIMILAR")).AsString();
        similarCu = q.FieldByName(QStringLiteral("SIMILAR_CU")).AsString();
        asociatCu = q.FieldByName(QStringLiteral("ASOCIAT_CU")).AsString();
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

} // namespace

QString ValoareCamp(const TReferintaCamp& ref, int id, const QString& tabel)
{
    TTranzactieImprumutata tr(DM().Tr());
    QSet<QString> vizitate;
    return ValoareCampVizitat(ref, id, tabel, vizitate);
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
    if (!DM().Tr().Active())
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
            rezultat.append(ValoareCamp(ref, id, tabel));
            inauntru = false;
        } else {
            referinta.append(c);
        }
    }
    return rezultat;
}
