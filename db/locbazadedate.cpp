#include "db/locbazadedate.h"

#include "base/brvregistryclass.h"
#include "base/eroare.h"
#include "db/copiibaza.h"
#include "db/interogare.h"
#include "db/parolaserver.h"
#include "db/tranzactie.h"

#include <QRegularExpression>
#include <QSettings>

namespace {

const QString GrupSetari = QStringLiteral("Conexiune");

QString Mediu(const char* nume) { return qEnvironmentVariable(nume).trimmed(); }

QString ParolaPentru(const QString& utilizator, const QString& conexiune)
{
    if (qEnvironmentVariableIsSet("PRAVENT_DB_PASSWORD"))
        return qEnvironmentVariable("PRAVENT_DB_PASSWORD");
    if (const auto salvata = CitesteParolaSalvata(CheieParola(utilizator, conexiune)))
        return *salvata;
    if (const auto data = CerereParola(
            QStringLiteral("Parola utilizatorului %1 pentru baza de date \"%2\":").arg(utilizator, conexiune)))
        return *data;
    throw EEroare(QStringLiteral("Nu am parola utilizatorului %1 pentru baza de date \"%2\": setati PRAVENT_DB_PASSWORD "
                                 "sau salvati parola in \"Conectare la server\".")
                      .arg(utilizator, conexiune));
}

} // namespace

TLocBazaDeDate::TLocBazaDeDate(bool peServer, QString conexiune, QString utilizator, QString parola)
    : m_peServer(peServer), m_conexiune(std::move(conexiune)), m_utilizator(std::move(utilizator)),
      m_parola(std::move(parola))
{
}

TLocBazaDeDate TLocBazaDeDate::Fisier(const QString& cale)
{
    return TLocBazaDeDate(false, cale, QStringLiteral("sysdba"), QStringLiteral("vintorael"));
}

TLocBazaDeDate TLocBazaDeDate::Server(const QString& conexiune, const QString& utilizator, const QString& parola)
{
    return TLocBazaDeDate(true, conexiune, utilizator, parola);
}

TSetariServer TSetariServer::Citeste()
{
    QSettings setari = DeschideSetari();
    setari.beginGroup(GrupSetari);
    return {setari.value(QStringLiteral("Server")).toString().trimmed(),
            setari.value(QStringLiteral("BazaDeDate")).toString().trimmed(),
            setari.value(QStringLiteral("Utilizator")).toString().trimmed()};
}

bool TSetariServer::Scrie() const
{
    QSettings setari = DeschideSetari();
    setari.beginGroup(GrupSetari);
    setari.setValue(QStringLiteral("Server"), Server);
    setari.setValue(QStringLiteral("BazaDeDate"), BazaDeDate);
    setari.setValue(QStringLiteral("Utilizator"), Utilizator);
    setari.endGroup();
    return PastreazaModificarile(setari);
}

QString ConexiuneServerVerificata(const QString& conexiune, const QString& sursa)
{
    // A host name or a bracketed IPv6 address, an optional port, then the path or alias.
    static const QRegularExpression forma(
        QStringLiteral(R"(^(\[[0-9A-Fa-f:.]+\]|[A-Za-z0-9][A-Za-z0-9.\-]*)(/(\d{1,5}))?:(\S.*)$)"));
    const QRegularExpressionMatch potrivire = forma.match(conexiune);
    const int port = potrivire.captured(3).isEmpty() ? 3050 : potrivire.captured(3).toInt();
    if (!potrivire.hasMatch() || port < 1 || port > 65535)
        throw EEroare(QStringLiteral("%1 \"%2\" nu numeste o baza de date pe un server: forma este "
                                     "server[/port]:cale-sau-alias, de exemplu secretariat:pravent.")
                          .arg(sursa, conexiune));
    return conexiune;
}

std::optional<TServerAles> ServerAles()
{
    const QString dinMediu = Mediu("PRAVENT_DB");
    if (!dinMediu.isEmpty())
        return TServerAles{ConexiuneServerVerificata(dinMediu, QStringLiteral("PRAVENT_DB")), Mediu("PRAVENT_DB_USER"),
                           QStringLiteral("PRAVENT_DB_USER")};
    const TSetariServer setari = TSetariServer::Citeste();
    if (setari.Folosit())
        return TServerAles{ConexiuneServerVerificata(setari.Conexiune(), QStringLiteral("Serverul din setari")),
                           setari.Utilizator, QStringLiteral("Conectare la server")};
    return std::nullopt;
}

TLocBazaDeDate LocBazaDeDate()
{
    const std::optional<TServerAles> server = ServerAles();
    if (!server)
        return TLocBazaDeDate::Fisier(CaleBazaDeDateProfil());
    if (server->Utilizator.isEmpty())
        throw EEroare(QStringLiteral("Lipseste utilizatorul pentru baza de date \"%1\" (%2).")
                          .arg(server->Conexiune, server->SursaUtilizator));
    return TLocBazaDeDate::Server(server->Conexiune, server->Utilizator,
                                  ParolaPentru(server->Utilizator, server->Conexiune));
}

void VerificaConexiunea(const TLocBazaDeDate& loc)
{
    TConexiuneProprie conexiune(loc);
    TTranzactie tr(conexiune);
    TGardaTranzactie garda(tr, TTipTranzactie::Citire);
    TInterogare proba(tr, QStringLiteral("proba"));
    proba.SQL(QStringLiteral("SELECT 1 FROM RDB$DATABASE"));
    proba.Open();
}
