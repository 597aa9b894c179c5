#include "bazapornita.h"

#include "mediutest.h"

const QStringList ProfilAsteptat = {
#include "profil_asteptat.inc"
};

QStringList ColoaneDate(TDM& dm, const QString& tabel)
{
    return ColoanaSql(dm, QStringLiteral("SELECT TRIM(RDB$FIELD_NAME) FROM RDB$RELATION_FIELDS WHERE "
                                         "RDB$RELATION_NAME = '%1' ORDER BY RDB$FIELD_POSITION")
                              .arg(tabel));
}

QStringList Constrangeri(TDM& dm)
{
    return ColoanaSql(dm, QStringLiteral("SELECT TRIM(RDB$CONSTRAINT_NAME) FROM RDB$RELATION_CONSTRAINTS WHERE "
                                         "RDB$RELATION_NAME IN ('DATE', 'ELEVI', 'SCOALA') ORDER BY 1"));
}

QStringList RanduriProfil(TDM& dm)
{
    return ColoanaSql(dm, QStringLiteral(
        "SELECT ORDINE || '|' || COD_PAGINA || '|' || COD_CAMP || '|' || ETICHETA_EDITOR || '|' || TIP_DE_DATE || '|' "
        "|| ASOCIAT_CU || '|' || SIMILAR_CU || '|' || LATIME_SUGERATA || '|' || COD_LINIE FROM PROFIL_DIPLOMA "
        "ORDER BY ORDINE"));
}

namespace {

void Compara(QStringList& abateri, const QString& ce, const QStringList& gasit, const QStringList& asteptat)
{
    if (gasit != asteptat)
        abateri << QStringLiteral("%1: found [%2], expected [%3]").arg(ce, gasit.join(u';'), asteptat.join(u';'));
}

} // namespace

QStringList AbateriDupaPrimaPornire(TDM& dm)
{
    QStringList abateri;
    Compara(abateri, QStringLiteral("version"), ColoanaSql(dm, QStringLiteral("SELECT VERSIUNE FROM CONFID_DB")),
            {QStringLiteral("4")});
    Compara(abateri, QStringLiteral("profile"), RanduriProfil(dm), ProfilAsteptat);
    Compara(abateri, QStringLiteral("profile constants"),
            ColoanaSql(dm, QStringLiteral("SELECT DISTINCT COD_FORMULAR || FORMULA || '|' || VIZIBIL || '|' || GRUP "
                                          "|| '|' || ONOREZ_SIMILAR FROM PROFIL_DIPLOMA")),
            {QStringLiteral("PV|DA||DA")});
    Compara(abateri, QStringLiteral("tables"),
            ColoanaSql(dm, QStringLiteral("SELECT NUME_TABEL || '=' || EXP_DENUMIRE FROM TABELE ORDER BY NUME_TABEL")),
            {QStringLiteral("ELEVI="), QStringLiteral("SCOALA=Denumirea scolii")});
    Compara(abateri, QStringLiteral("data types"),
            ColoanaSql(dm, QStringLiteral("SELECT TIP_DE_DATE FROM TIPURI_DE_DATE ORDER BY TIP_DE_DATE")),
            {QStringLiteral("CALIFICATIV"), QStringLiteral("CF"), QStringLiteral("CNP"), QStringLiteral("NOTA"),
             QStringLiteral("NOTA sau CALIFICATIV"), QStringLiteral("SIRUES"), QStringLiteral("TEXT")});
    Compara(abateri, QStringLiteral("value columns"), ColoaneDate(dm, QStringLiteral("DATE")),
            {QStringLiteral("COD_FORMULAR"), QStringLiteral("COD_PAGINA"), QStringLiteral("COD_CAMP"),
             QStringLiteral("VALOARE_TEXT"), QStringLiteral("VALOARE_NUM"), QStringLiteral("ID_ELEVI"),
             QStringLiteral("IDF_ELEVI"), QStringLiteral("ID_SCOALA"), QStringLiteral("IDF_SCOALA")});
    const QStringList constrangeri = Constrangeri(dm);
    for (const char* nume : {"PK_ELEVI", "PK_SCOALA", "FK_ELEVI_1", "FK_ELEVI_2", "FK_SCOALA_1", "FK_SCOALA_2"})
        if (!constrangeri.contains(QLatin1String(nume)))
            abateri << QStringLiteral("missing constraint ") + QLatin1String(nume);
    Compara(abateri, QStringLiteral("generators"),
            ColoanaSql(dm, QStringLiteral("SELECT GEN_ID(G_ID_ELEVI, 0) || ',' || GEN_ID(G_ID_SCOALA, 0) FROM "
                                          "RDB$DATABASE")),
            {QStringLiteral("0,0")});
    Compara(abateri, QStringLiteral("register"),
            ColoanaSql(dm, QStringLiteral("SELECT (SELECT COUNT(*) FROM REGISTRU_CERTIFICATE) || ',' || (SELECT COUNT(*) "
                                          "FROM STARI_CERTIFICATE) || ',' || GEN_ID(GEN_NR_INREGISTRARE, 0) FROM "
                                          "RDB$DATABASE")),
            {QStringLiteral("0,0,0")});
    return abateri;
}
