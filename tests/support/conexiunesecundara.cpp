#include "support/conexiunesecundara.h"

#include <QtTest>

namespace {

void ExecutaSauEsueaza(TTranzactie& tr, const QString& instructiune)
{
    try {
        tr.Conexiune().Executa(tr.Maner(), instructiune.toUtf8().constData());
    } catch (const EEroare& e) {
        QFAIL(qPrintable(instructiune + QStringLiteral(": ") + e.Mesaj()));
    }
}

} // namespace

void ExecutaPeConexiune(TConexiune& conexiune, const QStringList& instructiuni)
{
    TTranzactie tr(conexiune);
    TGardaTranzactie garda(tr);
    for (const QString& instructiune : instructiuni)
        ExecutaSauEsueaza(tr, instructiune);
    garda.Commit();
}

void TConexiuneSecundara::Executa(const QStringList& instructiuni)
{
    ExecutaPeConexiune(m_conexiune, instructiuni);
}

void TConexiuneSecundara::Incepe(const QString& instructiune)
{
    m_tr.StartTransaction();
    ExecutaSauEsueaza(m_tr, instructiune);
}

void TConexiuneSecundara::Termina()
{
    m_tr.Commit();
}

void AdaugaEleviNumerotati(TConexiune& conexiune, int primul, int numar)
{
    ExecutaPeConexiune(
        conexiune,
        {QStringLiteral(
             "EXECUTE BLOCK AS DECLARE I INTEGER = %1; DECLARE ID INTEGER; BEGIN WHILE (I < %2) DO BEGIN "
             "ID = GEN_ID(G_ID_ELEVI, 1); INSERT INTO ELEVI (ID_ELEVI) VALUES (:ID); "
             "INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, VALOARE_TEXT, VALOARE_NUM) "
             "VALUES ('PV', 'FATA', 'C_NUME', :ID, 'Nume' || :I, 0); "
             "INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, VALOARE_TEXT, VALOARE_NUM) "
             "VALUES ('PV', 'FATA', 'C_PRENUME', :ID, 'Prenume' || :I, 0); "
             "INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, VALOARE_TEXT, VALOARE_NUM) "
             "VALUES ('PV', 'FATA', 'C_CNP', :ID, '1' || LPAD(CAST(:I AS VARCHAR(12)), 12, '0'), 0); "
             "I = I + 1; END END")
             .arg(primul)
             .arg(primul + numar)});
}

QStringList ColoanaPeConexiune(TConexiune& conexiune, const QString& sql)
{
    try {
        TTranzactie tr(conexiune);
        TGardaTranzactie garda(tr);
        TInterogare q(tr, QStringLiteral("coloana"));
        q.SQL(sql);
        QStringList valori;
        for (q.Open(); !q.Eof(); q.Next())
            valori << q.Fields(0).AsString().trimmed();
        return valori;
    } catch (const EEroare& e) {
        return {QStringLiteral("failed: ") + e.Mesaj()};
    }
}
