#include "db/copiibaza.h"

#include "base/dosardate.h"
#include "base/eroare.h"
#include "base/fisierintreg.h"
#include "db/blocareinstanta.h"
#include "db/locbazadedate.h"
#include "db/interogare.h"
#include "db/tranzactie.h"
#include "profile/inregistrare.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The schema version of a database that is not the open one.
int VersiuneaBazei(TConexiuneProprie& conexiune, const QString& cale)
{
    TTranzactie tr(conexiune);
    TGardaTranzactie garda(tr, TTipTranzactie::Citire);
    TInterogare q(tr, QStringLiteral("versiune"));
    q.SQL(QStringLiteral("SELECT VERSIUNE FROM CONFID_DB"));
    q.Open();
    if (q.Eof() || q.Fields(0).IsNull())
        throw EEroare(QStringLiteral("Fisierul \"%1\" nu contine versiunea bazei de date.").arg(cale));
    return q.Fields(0).AsInteger();
}

// Copies to a name that appears only once the copy is whole and on the disk.
void CopiazaPrinTemporar(const QString& sursa, const QString& temporar)
{
    QFile::remove(temporar);
    CopiazaFisierIntreg(sursa, temporar);
}

void Redenumeste(const QString& din, const QString& in)
{
    if (!QFile::rename(din, in))
        throw EEroare(QStringLiteral("Nu pot redenumi \"%1\" in \"%2\".").arg(din, in));
}

} // namespace

QString CaleBazaDeDateProfil()
{
    return CaleInDosarDate(QStringLiteral("DB")) + QLatin1Char('/') + ProfilCerut().NumeBazaDeDate()
        + QStringLiteral(".FDB");
}

int VersiuneaFisierului(const QString& cale)
{
    TConexiuneProprie conexiune(TLocBazaDeDate::Fisier(cale));
    return VersiuneaBazei(conexiune, cale);
}

void VerificaVersiuneaCunoscuta(const QString& cale, int versiune)
{
    if (versiune > VersiuneSchemaCunoscuta)
        throw EOprestePornirea(QStringLiteral("Baza de date \"%1\" are versiunea %2, mai noua decat versiunea %3 pe care o "
                                     "cunoaste acest program. Folositi programul care a scris-o; baza de date nu a "
                                     "fost modificata.")
                          .arg(cale)
                          .arg(versiune)
                          .arg(VersiuneSchemaCunoscuta));
}

TCopiiZilnice::TCopiiZilnice(const QString& caleBaza) : m_caleBaza(caleBaza) {}

QString TCopiiZilnice::Dosar() const
{
    return QFileInfo(m_caleBaza).absolutePath() + QStringLiteral("/copii");
}

QString TCopiiZilnice::CaleCopie(const QDate& zi) const
{
    return Dosar() + QLatin1Char('/') + QFileInfo(m_caleBaza).completeBaseName() + QLatin1Char('-')
        + zi.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".FDB");
}

std::optional<int> TCopiiZilnice::FaCopia(const QDate& zi) const
{
    const QString tinta = CaleCopie(zi);
    if (QFile::exists(tinta))
        return std::nullopt;
    if (!QDir().mkpath(Dosar()))
        throw EEroare(QStringLiteral("Nu pot crea dosarul \"%1\".").arg(Dosar()));
    // Kept only once the engine has read it back.
    int versiune = 0;
    CopiazaFisierIntreg(m_caleBaza, tinta, [&versiune](const QString& copie) {
        versiune = VersiuneaFisierului(copie);
        return true;
    });
    StergeCopiileVechi();
    return versiune;
}

void TCopiiZilnice::StergeCopiileVechi() const
{
    const QString sablon = QFileInfo(m_caleBaza).completeBaseName() + QStringLiteral("-\?\?\?\?-\?\?-\?\?.FDB");
    // The date in the name sorts the copies from the oldest.
    const QStringList copii = QDir(Dosar()).entryList({sablon}, QDir::Files, QDir::Name);
    for (int i = 0; i + CopiiPastrate < copii.size(); ++i)
        QFile::remove(Dosar() + QLatin1Char('/') + copii.at(i));
}

QString RestaureazaCopia(const QString& copie)
{
    // The copies are of the local file: restoring one while the program works on a server
    // would look done and change nothing the secretaries see.
    if (const std::optional<TServerAles> server = ServerAles())
        throw EEroare(QStringLiteral("Programul foloseste baza de date de pe server \"%1\": copiile zilnice sunt doar "
                                     "ale bazei de date locale. Pe server, restaurati o copie facuta cu gbak "
                                     "(gbak -c).")
                          .arg(server->Conexiune));
    const TBlocareInstanta blocare;
    const QString baza = CaleBazaDeDateProfil();
    const QFileInfo info(copie);
    if (!info.isFile())
        throw EEroare(QStringLiteral("Copia \"%1\" nu exista.").arg(copie));
    if (info.canonicalFilePath() == QFileInfo(baza).canonicalFilePath())
        throw EEroare(QStringLiteral("\"%1\" este chiar baza de date curenta.").arg(copie));
    QDir().mkpath(QFileInfo(baza).absolutePath());
    const QString temporar = baza + QStringLiteral(".restaurare.tmp");
    CopiazaPrinTemporar(copie, temporar);
    QString deoparte;
    try {
        VerificaVersiuneaCunoscuta(copie, VersiuneaFisierului(temporar));
        if (QFile::exists(baza)) {
            deoparte = QFileInfo(baza).absolutePath() + QLatin1Char('/') + QFileInfo(baza).completeBaseName()
                + QStringLiteral("-inainte-de-restaurare-")
                + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")) + QStringLiteral(".FDB");
            Redenumeste(baza, deoparte);
        }
        if (!QFile::rename(temporar, baza)) {
            if (!deoparte.isEmpty())
                QFile::rename(deoparte, baza);
            throw EEroare(QStringLiteral("Nu pot redenumi \"%1\" in \"%2\".").arg(temporar, baza));
        }
    } catch (...) {
        QFile::remove(temporar);
        throw;
    }
    return deoparte;
}
