#include "db/depozit.h"

#include "base/cautare.h"
#include "base/eroare.h"
#include "db/identificator.h"
#include "db/tdm.h"

#include <QHash>

namespace {

void LeagaCampul(TInterogare& q, const TReferintaCamp& camp)
{
    q.ParamByName("COD_FORMULAR", camp.Formular);
    q.ParamByName("COD_PAGINA", camp.Pagina);
    q.ParamByName("COD_CAMP", camp.Camp);
}

const QString SelectValoare = QStringLiteral(
    "SELECT * FROM \"DATE\" WHERE (ID_%1=:ID) AND (COD_FORMULAR=:COD_FORMULAR) AND (COD_PAGINA=:COD_PAGINA) AND "
    "(COD_CAMP=:COD_CAMP)");

bool ExistaRand(TInterogare& q, const TReferintaCamp& camp, const QString& tabel, int id)
{
    TInchideLaFinal inchide(q);
    q.SQL(SelectValoare.arg(tabel));
    LeagaCampul(q, camp);
    q.ParamByName("ID", id);
    q.Open();
    return !q.Eof();
}

QString ComandaActualizare(const QString& tabel)
{
    QString sql = QStringLiteral("UPDATE \"DATE\" SET VALOARE_TEXT=:VAL, VALOARE_NUM=0");
    TInterogare& q = DM().Q2();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT NUME_TABEL FROM TABELE WHERE NUME_TABEL <> :TAB"));
    q.ParamByName("TAB", tabel);
    for (q.Open(); !q.Eof(); q.Next())
        sql += QStringLiteral(", ID_") + NumeTabelVerificat(q.FieldByName(QStringLiteral("NUME_TABEL")).AsString())
            + QStringLiteral(" = NULL");
    return sql + QStringLiteral(" WHERE (ID_%1=:ID) AND (COD_FORMULAR=:COD_FORMULAR) AND (COD_PAGINA=:COD_PAGINA) "
                                "AND (COD_CAMP=:COD_CAMP)")
                     .arg(tabel);
}

} // namespace
#include "db/valoarecamp.h"

// Which shared query object each function runs its statements on. Value resolution takes
// Q1-Q3, so a function that resolves values inside its own loop keeps that loop on another.
//
// | function              | query | why                                                   |
// |-----------------------|-------|-------------------------------------------------------|
// | CitesteLiniiAfisate   | Q5    | the ids, then ParseExpInregistrari reads on Q1        |
// | ExistaElevul          | Q1    | a single lookup, nothing nested                       |
// | CampuriEditorTabel    | Q4    | the editors it builds load their values on Q1          |
// | LiniiProfil           | Q1    | reads into a list, nothing nested                      |
// | LegaturaCamp          | Q1    | a single lookup                                        |
// | ScrieLegaturaCamp     | Q1    | a single statement                                     |
// | NumeleTabelelor       | Q1    | reads into a list, nothing nested                      |
// | TipDeDateCamp         | Q4    | called by the filling between value lookups on Q1-Q3  |
// | ValoareStocata        | Q1    | a single lookup; editors load one after the other      |
// | ScrieValoareStocata   | Q1    | its update lists the other tables on Q2 while built    |
// | ValoriStocate         | Q1    | reads into a list, nothing nested                      |
// | ValoriDistincte       | Q1    | reads into a list, nothing nested                      |
// | InregistrareNoua      | Q1    | the generator, then the insert, one after the other   |
// | BlocheazaInregistrarea | Q1   | a single statement                                     |
// | BlocheazaInregistrariNoi | Q1 | a single statement                                   |
// | StergeInregistrare    | Q1    | a single statement                                     |
// | LiniiPaginiImport     | Q1    | reads into a list, nothing nested                      |
// | CampulCnp             | Q1    | a single lookup                                        |
// | ScrieValoareElev      | Q4    | once per changed imported field of a row               |
// | MarimeValoareText     | Q1    | a single catalogue lookup                              |

bool ExistaElevul(int idElev)
{
    TGardaTranzactie tr(DM().Tr(), TTipTranzactie::Citire);
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT ID_ELEVI FROM ELEVI WHERE ID_ELEVI=:ID_ELEVI"));
    q.ParamByName(QStringLiteral("ID_ELEVI"), idElev);
    q.Open();
    return !q.Eof();
}

TLiniiAfisate CitesteLiniiAfisate(const QString& tabel, const QString& expresie)
{
    const QString& t = NumeTabelVerificat(tabel);
    TGardaTranzactie tr(DM().Tr(), TTipTranzactie::Citire);
    QList<int> iduri;
    {
        TInterogare& q = DM().Q5();
        TInchideLaFinal inchide(q);
        q.SQL(QStringLiteral("select id_%1 as \"ID\" from %1 order by id_%1").arg(t));
        for (q.Open(); !q.Eof(); q.Next())
            iduri.append(q.FieldByName(QStringLiteral("ID")).AsInteger());
    }
    const QStringList denumiri = ParseExpInregistrari(expresie, iduri, t);
    TLiniiAfisate linii;
    linii.reserve(iduri.size());
    for (int i = 0; i < iduri.size(); ++i)
        linii.push_back({iduri.at(i), denumiri.at(i)});
    return linii;
}

TLiniiAfisate LiniiFiltrate(const TLiniiAfisate& linii, const QString& cautat)
{
    if (cautat.trimmed().isEmpty())
        return linii;
    TLiniiAfisate filtrate;
    for (const TLinieAfisata& linie : linii)
        if (ContineCautarea(linie.Denumire, cautat))
            filtrate.push_back(linie);
    return filtrate;
}

std::vector<TCampEditor> CampuriEditorTabel(const QString& tabel)
{
    std::vector<TCampEditor> campuri;
    TInterogare& q = DM().Q4();
    TInchideLaFinal inchide(q);
    // Profile order, so that the editors always come in the same order.
    q.SQL(QStringLiteral("select    COD_FORMULAR, COD_PAGINA, COD_CAMP, SIMILAR_CU, ONOREZ_SIMILAR,    "
                         "ETICHETA_EDITOR, FORMULA, VIZIBIL, TIP_DE_DATE, ASOCIAT_CU, GRUP, LATIME_SUGERATA, "
                         "COD_LINIE from    PROFIL_DIPLOMA where    ASOCIAT_CU = :ASOCIAT_CU order by ORDINE"));
    q.ParamByName("ASOCIAT_CU", tabel);
    for (q.Open(); !q.Eof(); q.Next()) {
        auto camp = [&q](const char* nume) { return q.FieldByName(QLatin1String(nume)); };
        campuri.push_back({camp("COD_FORMULAR").AsString(), camp("COD_PAGINA").AsString(), camp("COD_CAMP").AsString(),
                           camp("SIMILAR_CU").AsString(), camp("ONOREZ_SIMILAR").AsString(),
                           camp("ETICHETA_EDITOR").AsString(), camp("TIP_DE_DATE").AsString(),
                           camp("COD_LINIE").AsString(), camp("LATIME_SUGERATA").AsInteger()});
    }
    return campuri;
}

std::vector<TLinieProfil> LiniiProfil()
{
    std::vector<TLinieProfil> linii;
    TGardaTranzactie tr(DM().Tr(), TTipTranzactie::Citire);
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    // Profile order, then the key, keeps the list stable.
    q.SQL(QStringLiteral("select    COD_FORMULAR, COD_PAGINA, COD_CAMP, ASOCIAT_CU, ONOREZ_SIMILAR, ETICHETA_EDITOR "
                         "from    PROFIL_DIPLOMA order by ORDINE, COD_FORMULAR, COD_PAGINA, COD_CAMP"));
    for (q.Open(); !q.Eof(); q.Next()) {
        auto text = [&q](int i) { return q.Fields(i).AsString(); };
        linii.push_back({text(0), text(1), text(2), text(5), text(4), text(3)});
    }
    return linii;
}

QStringList NumeleTabelelor()
{
    QStringList tabele;
    TGardaTranzactie tr(DM().Tr(), TTipTranzactie::Citire);
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("select NUME_TABEL from TABELE order by NUME_TABEL"));
    for (q.Open(); !q.Eof(); q.Next())
        tabele.append(q.Fields(0).AsString());
    return tabele;
}

std::optional<TLegaturaCamp> LegaturaCamp(const TReferintaCamp& camp)
{
    TGardaTranzactie tr(DM().Tr());
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("select    ONOREZ_SIMILAR, ASOCIAT_CU from    PROFIL_DIPLOMA where    (COD_FORMULAR = "
                         ":COD_FORMULAR) and (COD_PAGINA = :COD_PAGINA) and (COD_CAMP = :COD_CAMP)"));
    LeagaCampul(q, camp);
    q.Open();
    if (q.Eof())
        return std::nullopt;
    return TLegaturaCamp{q.FieldByName(QStringLiteral("ONOREZ_SIMILAR")).AsString(),
                         q.FieldByName(QStringLiteral("ASOCIAT_CU")).AsString()};
}

void ScrieLegaturaCamp(const TReferintaCamp& camp, const TLegaturaCamp& legatura)
{
    TGardaTranzactie tr(DM().Tr());
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("update    PROFIL_DIPLOMA set    ONOREZ_SIMILAR = :ONOREZ_SIMILAR, ASOCIAT_CU = "
                         ":ASOCIAT_CU where    (COD_FORMULAR = :COD_FORMULAR)    and    (COD_PAGINA = "
                         ":COD_PAGINA)    and    (COD_CAMP = :COD_CAMP)"));
    q.ParamByName("ONOREZ_SIMILAR", legatura.OnorezSimilar);
    q.ParamByName("ASOCIAT_CU", legatura.AsociatCu);
    LeagaCampul(q, camp);
    q.ExecSQL();
    tr.Commit();
}

std::optional<QString> TipDeDateCamp(const TReferintaCamp& camp)
{
    TTranzactieImprumutata tr(DM().Tr());
    TInterogare& q = DM().Q4();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT TIP_DE_DATE FROM PROFIL_DIPLOMA WHERE (COD_FORMULAR=:COD_FORMULAR) AND "
                         "(COD_PAGINA=:COD_PAGINA) AND (COD_CAMP=:COD_CAMP)"));
    LeagaCampul(q, camp);
    q.Open();
    if (q.Eof())
        return std::nullopt;
    return q.Fields(0).AsString();
}

QString ValoareStocata(const TReferintaCamp& camp, const QString& tabel, int id)
{
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    q.SQL(SelectValoare.arg(NumeTabelVerificat(tabel)));
    LeagaCampul(q, camp);
    q.ParamByName("ID", id);
    q.Open();
    return q.Eof() ? QString() : q.FieldByName(QStringLiteral("VALOARE_TEXT")).AsString();
}

void ScrieValoareStocata(const TReferintaCamp& camp, const QString& tabel, int id, const QString& valoare)
{
    const QString& t = NumeTabelVerificat(tabel);
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    if (!ExistaRand(q, camp, t, id)) {
        q.SQL(QStringLiteral("INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_%1, VALOARE_TEXT, "
                             "VALOARE_NUM) VALUES (:COD_FORMULAR, :COD_PAGINA, :COD_CAMP, :ID, :VALOARE_TEXT, 0)")
                  .arg(t));
        q.ParamByName("VALOARE_TEXT", valoare);
    } else {
        q.SQL(ComandaActualizare(t));
        q.ParamByName("VAL", valoare);
    }
    LeagaCampul(q, camp);
    q.ParamByName("ID", id);
    q.ExecSQL();
}

QStringList ValoriStocate(const QList<TReferintaCamp>& campuri, const QString& tabel, int id)
{
    QHash<QString, QString> stocate;
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT FROM \"DATE\" WHERE ID_%1=:ID")
              .arg(NumeTabelVerificat(tabel)));
    q.ParamByName("ID", id);
    for (q.Open(); !q.Eof(); q.Next()) {
        const QString cheie = CheieComparata(q.Fields(0).AsString(), q.Fields(1).AsString(), q.Fields(2).AsString());
        if (!stocate.contains(cheie))
            stocate.insert(cheie, q.Fields(3).AsString());
    }
    QStringList valori;
    for (const TReferintaCamp& camp : campuri)
        valori << stocate.value(CheieComparata(camp));
    return valori;
}

QStringList ValoriDistincte(const TReferintaCamp& camp)
{
    QStringList valori;
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("select DISTINCT(VALOARE_TEXT) from \"DATE\" where (COD_FORMULAR=:COD_FORMULAR) and "
                         "(COD_PAGINA=:COD_PAGINA) and (COD_CAMP=:COD_CAMP)"));
    LeagaCampul(q, camp);
    for (q.Open(); !q.Eof(); q.Next())
        valori << q.Fields(0).AsString();
    return valori;
}

int InregistrareNoua(const QString& tabel)
{
    const QString& t = NumeTabelVerificat(tabel);
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT GEN_ID(G_ID_%1,1) AS \"ID\" FROM RDB$DATABASE").arg(t));
    q.Open();
    const int id = q.FieldByName(QStringLiteral("ID")).AsInteger();
    q.SQL(QStringLiteral("insert into %1 (ID_%1) values (:id)").arg(t));
    q.ParamByName("id", id);
    q.ExecSQL();
    return id;
}

bool BlocheazaInregistrarea(const QString& tabel, int id)
{
    const QString& t = NumeTabelVerificat(tabel);
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT ID_%1 FROM %1 WHERE ID_%1=:ID WITH LOCK").arg(t));
    q.ParamByName("ID", id);
    q.Open();
    return !q.Eof();
}

void BlocheazaInregistrariNoi(const QString& tabel)
{
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT NUME_TABEL FROM TABELE WHERE NUME_TABEL=:NUME_TABEL WITH LOCK"));
    q.ParamByName("NUME_TABEL", tabel);
    q.Open();
    if (q.Eof())
        throw EEroare(QStringLiteral("Tabela %1 nu este in TABELE.").arg(tabel));
}

void StergeInregistrare(const QString& tabel, int id)
{
    const QString& t = NumeTabelVerificat(tabel);
    TGardaTranzactie tr(DM().Tr());
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("delete from %1 where ID_%1 = :ID").arg(t));
    q.ParamByName("ID", id);
    q.ExecSQL();
    tr.Commit();
}

std::vector<TLinieImport> LiniiPaginiImport()
{
    std::vector<TLinieImport> linii;
    TGardaTranzactie tr(DM().Tr());
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT * FROM PROFIL_DIPLOMA WHERE (ASOCIAT_CU = 'ELEVI') AND (SIMILAR_CU = '') ORDER BY "
                         "ORDINE"));
    for (q.Open(); !q.Eof(); q.Next()) {
        auto text = [&q](const char* nume) { return q.FieldByName(QLatin1String(nume)).AsString(); };
        linii.push_back({text("COD_FORMULAR"), text("COD_PAGINA"), text("COD_CAMP"), text("ETICHETA_EDITOR"),
                         text("TIP_DE_DATE")});
    }
    return linii;
}

std::optional<TReferintaCamp> CampulCnp()
{
    TGardaTranzactie tr(DM().Tr());
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT * FROM PROFIL_DIPLOMA WHERE TIP_DE_DATE = 'CNP'"));
    q.Open();
    if (q.Eof())
        return std::nullopt;
    auto text = [&q](const char* nume) { return q.FieldByName(QLatin1String(nume)).AsString(); };
    return TReferintaCamp{text("COD_FORMULAR"), text("COD_PAGINA"), text("COD_CAMP")};
}

namespace {

void LeagaCampulElevului(TInterogare& q, const TReferintaCamp& camp, int idElev)
{
    q.ParamByName("ID_ELEVI", idElev);
    q.ParamByName("FORMULAR", camp.Formular);
    q.ParamByName("PAGINA", camp.Pagina);
    q.ParamByName("CAMP", camp.Camp);
}

// The new CNP and every imported field: one statement, with the parameter each names its text.
void ActualizeazaText(TInterogare& q, const QString& parametru, const TReferintaCamp& camp, int idElev,
                      const QString& valoare)
{
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("UPDATE \"DATE\" SET VALOARE_TEXT=:%1 WHERE (ID_ELEVI=:ID_ELEVI) AND (COD_FORMULAR=:FORMULAR) "
                         "AND (COD_PAGINA=:PAGINA) AND (COD_CAMP=:CAMP)")
              .arg(parametru));
    q.ParamByName(parametru, valoare);
    LeagaCampulElevului(q, camp, idElev);
    q.ExecSQL();
}

} // namespace

void ScrieValoareElev(const TReferintaCamp& camp, int idElev, const QString& valoare)
{
    ActualizeazaText(DM().Q4(), QStringLiteral("VAL"), camp, idElev, valoare);
}

TMarimeValoareText MarimeValoareText()
{
    TTranzactieImprumutata tr(DM().Tr());
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral(
        "SELECT f.RDB$CHARACTER_LENGTH AS CARACTERE, f.RDB$FIELD_LENGTH AS OCTETI, TRIM(c.RDB$CHARACTER_SET_NAME) AS "
        "SETUL FROM RDB$RELATION_FIELDS r JOIN RDB$FIELDS f ON f.RDB$FIELD_NAME = r.RDB$FIELD_SOURCE LEFT JOIN "
        "RDB$CHARACTER_SETS c ON c.RDB$CHARACTER_SET_ID = f.RDB$CHARACTER_SET_ID WHERE r.RDB$RELATION_NAME = 'DATE' "
        "AND r.RDB$FIELD_NAME = 'VALOARE_TEXT'"));
    q.Open();
    if (q.Eof())
        throw EEroare(QStringLiteral("Tabela \"DATE\" nu are coloana VALOARE_TEXT."));
    const QString setul = q.FieldByName(QStringLiteral("SETUL")).AsString();
    // Without a character set the engine stores the bytes the connection sends.
    if (setul.isEmpty() || setul == QLatin1String("NONE") || setul == QLatin1String("OCTETS"))
        return {q.FieldByName(QStringLiteral("OCTETI")).AsInteger(), true};
    return {q.FieldByName(QStringLiteral("CARACTERE")).AsInteger(), false};
}
