#include "datetest.h"

#include "mediutest.h"

int AdaugaInregistrare(TDM& dm, const QString& tabel)
{
    TGardaTranzactie tr(dm.Tr());
    dm.Q6().SQL(QStringLiteral("SELECT GEN_ID(G_ID_%1,1) AS \"ID\" FROM RDB$DATABASE").arg(tabel));
    dm.Q6().Open();
    const int id = dm.Q6().FieldByName(QStringLiteral("ID")).AsInteger();
    dm.Q6().SQL(QStringLiteral("insert into %1 (ID_%1) values (:id)").arg(tabel));
    dm.Q6().ParamByName("id", id);
    dm.Q6().ExecSQL();
    tr.Commit();
    return id;
}

void ScrieValoare(TDM& dm, const QString& tabel, int id, const QString& referinta, const QString& text)
{
    const TReferintaCamp ref = DescompuneReferinta(referinta);
    TGardaTranzactie tr(dm.Tr());
    dm.Q6().SQL(QStringLiteral("INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_%1, VALOARE_TEXT, "
                               "VALOARE_NUM) VALUES (:F, :P, :C, :ID, :V, 0)")
                    .arg(tabel));
    dm.Q6().ParamByName("F", ref.Formular);
    dm.Q6().ParamByName("P", ref.Pagina);
    dm.Q6().ParamByName("C", ref.Camp);
    dm.Q6().ParamByName("ID", id);
    dm.Q6().ParamByName("V", text);
    dm.Q6().ExecSQL();
    tr.Commit();
}

void SeteazaOnorez(TDM& dm, const QString& referinta, const QString& onorez)
{
    const TReferintaCamp ref = DescompuneReferinta(referinta);
    TGardaTranzactie tr(dm.Tr());
    dm.Q6().SQL(QStringLiteral("UPDATE PROFIL_DIPLOMA SET ONOREZ_SIMILAR=:O WHERE COD_FORMULAR=:F AND COD_PAGINA=:P "
                               "AND COD_CAMP=:C"));
    dm.Q6().ParamByName("O", onorez);
    dm.Q6().ParamByName("F", ref.Formular);
    dm.Q6().ParamByName("P", ref.Pagina);
    dm.Q6().ParamByName("C", ref.Camp);
    dm.Q6().ExecSQL();
    tr.Commit();
}

QStringList ContinutBaza(TDM& dm)
{
    return ColoanaSql(dm, "SELECT 'ELEV ' || ID_ELEVI FROM ELEVI ORDER BY ID_ELEVI")
        + ColoanaSql(dm, "SELECT ID_ELEVI || ' ' || COD_FORMULAR || '.' || COD_PAGINA || '.' || COD_CAMP || '=' || "
                         "COALESCE(VALOARE_TEXT, '<NULL>') || ' ' || VALOARE_NUM FROM \"DATE\" ORDER BY ID_ELEVI, "
                         "COD_FORMULAR, COD_PAGINA, COD_CAMP");
}
