#include "support/conexiunesecundara.h"


#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

namespace {

int g_conexiuni = 0;

void ExecutaSauEsueaza(QSqlDatabase baza, const QString& instructiune)
{
    QSqlQuery q(baza);
    if (!q.exec(instructiune))
        QFAIL(qPrintable(instructiune + QStringLiteral(": ") + q.lastError().text()));
}

} // namespace

TConexiuneSecundara::TConexiuneSecundara(const TLocBazaDeDate& loc)
    : m_nume(QStringLiteral("secundara-%1").arg(++g_conexiuni))
{
    DeschideBazaDeDate(QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), m_nume), loc);
}

TConexiuneSecundara::~TConexiuneSecundara()
{
    {
        QSqlDatabase baza = Baza();
        baza.rollback();
        baza.close();
    }
    QSqlDatabase::removeDatabase(m_nume);
}

void TConexiuneSecundara::Executa(const QStringList& instructiuni)
{
    QSqlDatabase baza = Baza();
    QVERIFY(baza.transaction());
    for (const QString& instructiune : instructiuni)
        ExecutaSauEsueaza(baza, instructiune);
    QVERIFY(baza.commit());
}

void TConexiuneSecundara::Incepe(const QString& instructiune)
{
    QSqlDatabase baza = Baza();
    QVERIFY(baza.transaction());
    ExecutaSauEsueaza(baza, instructiune);
}

void TConexiuneSecundara::Termina()
{
    QVERIFY(Baza().commit());
}

void AdaugaEleviNumerotati(QSqlDatabase baza, int primul, int numar)
{
    QVERIFY(baza.transaction());
    ExecutaSauEsueaza(
        baza,
        QStringLiteral(
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
            .arg(primul + numar));
    QVERIFY(baza.commit());
}
