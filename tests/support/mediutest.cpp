#include "mediutest.h"

#include "profile/profilpv.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSettings>
#include <QtTest>

TMediuTest::TMediuTest(bool cuSablon) : m_homeAnterior(qgetenv("PRAVENT_HOME"))
{
    // As the program's start-up does.
    InregistreazaProfilPV();
    qputenv("PRAVENT_HOME", m_dosar.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dosar.path() + QStringLiteral("/setari"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dosar.path() + QStringLiteral("/setari"));
    if (cuSablon && !QFile::copy(QStringLiteral(PRAVENT_BLANK_FDB), CaleSablon()))
        qFatal("cannot copy the template database %s", PRAVENT_BLANK_FDB);
}

TMediuTest::~TMediuTest()
{
    m_dm.reset();
    if (m_homeAnterior.isEmpty())
        qunsetenv("PRAVENT_HOME");
    else
        qputenv("PRAVENT_HOME", m_homeAnterior);
}

TDM& TMediuTest::PornesteDM()
{
    m_dm.reset();
    m_dm = std::make_unique<TDM>();
    m_dm->DataModuleCreate();
    return *m_dm;
}

QByteArray AmprentaFisier(const QString& cale)
{
    QFile f(cale);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

void ExecutaSql(TDM& dm, const QString& sql)
{
    TGardaTranzactie tr(dm.Tr());
    dm.Q6().SQL(sql);
    dm.Q6().ExecSQL();
    tr.Commit();
}

QStringList ColoanaSql(TDM& dm, const QString& sql)
{
    TGardaTranzactie tr(dm.Tr());
    QStringList valori;
    dm.Q6().SQL(sql);
    for (dm.Q6().Open(); !dm.Q6().Eof(); dm.Q6().Next())
        valori << dm.Q6().Fields(0).AsString();
    return valori;
}
