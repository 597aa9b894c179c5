#include "support/bazapeserver.h"

namespace {

const char* const Variabile[] = {"PRAVENT_DB", "PRAVENT_DB_USER", "PRAVENT_DB_PASSWORD"};

} // namespace

TBazaPeServer::TBazaPeServer()
{
    // A desktop's secret store would keep the password beyond the test.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
}

TBazaPeServer::~TBazaPeServer()
{
    for (const char* nume : Variabile)
        qunsetenv(nume);
}

bool TBazaPeServer::Porneste()
{
    if (!m_server.Porneste())
        return false;
    qputenv("PRAVENT_DB_USER", m_server.Utilizator().toUtf8());
    qputenv("PRAVENT_DB_PASSWORD", m_server.Parola().toUtf8());
    return true;
}

bool TBazaPeServer::BazaNoua(const QString& numeFisier)
{
    m_baza = m_server.CreeazaBazaCuSablon(numeFisier);
    if (m_baza.isEmpty())
        return false;
    qputenv("PRAVENT_DB", m_baza.toUtf8());
    return true;
}

TLocBazaDeDate TBazaPeServer::Loc() const
{
    return TLocBazaDeDate::Server(m_baza, m_server.Utilizator(), m_server.Parola());
}
