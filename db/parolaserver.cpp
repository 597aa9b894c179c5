#include "db/parolaserver.h"

#include <QEventLoop>
#include <QTimer>
#include <qt6keychain/keychain.h>

namespace {

const QString Serviciu = QStringLiteral("ro.brenvolt.pravent");
// A store that never answers (a hung desktop service) must not hang the start.
constexpr int MilisecundeAsteptare = 15000;

TCerereParola g_cerere;

// Runs a job of the secret store to its end; false when it failed or did not answer.
bool Ruleaza(QKeychain::Job& job, QString* eroare = nullptr)
{
    QEventLoop bucla;
    bool terminat = false;
    QObject::connect(&job, &QKeychain::Job::finished, &bucla, [&bucla, &terminat] {
        terminat = true;
        bucla.quit();
    });
    QTimer::singleShot(MilisecundeAsteptare, &bucla, &QEventLoop::quit);
    job.setAutoDelete(false);
    job.start();
    if (!terminat)
        bucla.exec();
    if (eroare)
        *eroare = terminat ? job.errorString() : QStringLiteral("depozitul de parole nu a raspuns");
    return terminat && job.error() == QKeychain::NoError;
}

} // namespace

QString CheieParola(const QString& utilizator, const QString& conexiune)
{
    return utilizator + QLatin1Char('@') + conexiune;
}

std::optional<QString> CitesteParolaSalvata(const QString& cheie)
{
    QKeychain::ReadPasswordJob job(Serviciu);
    job.setKey(cheie);
    if (!Ruleaza(job))
        return std::nullopt;
    return job.textData();
}

QString SalveazaParola(const QString& cheie, const QString& parola)
{
    QKeychain::WritePasswordJob job(Serviciu);
    job.setKey(cheie);
    job.setTextData(parola);
    QString eroare;
    if (Ruleaza(job, &eroare))
        return {};
    return eroare.isEmpty() ? QStringLiteral("eroare necunoscuta") : eroare;
}

void StergeParolaSalvata(const QString& cheie)
{
    QKeychain::DeletePasswordJob job(Serviciu);
    job.setKey(cheie);
    Ruleaza(job);
}

void InstaleazaCerereaParolei(TCerereParola cerere) { g_cerere = std::move(cerere); }

std::optional<QString> CerereParola(const QString& intrebare)
{
    if (!g_cerere)
        return std::nullopt;
    return g_cerere(intrebare);
}
