#include "base/dosardate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const char* const NumeSablon = "BLANK.FDB";

QString DosarExecutabil()
{
    return QCoreApplication::applicationDirPath();
}

QString InDosar(const QString& dosar, const QString& nume)
{
    return dosar + QLatin1Char('/') + nume;
}

} // namespace

QString DosarPartajatPentru(const QString& dosarExecutabil)
{
    return QDir::cleanPath(InDosar(dosarExecutabil, QStringLiteral(PRAVENT_DOSAR_PARTAJAT_RELATIV)));
}

bool EsteCopieInstalata(const QString& dosarExecutabil)
{
    return QFileInfo(DosarPartajatPentru(dosarExecutabil)).isDir();
}

QString DosarDatePentru(const QString& dosarExecutabil)
{
    const QString dinMediu = qEnvironmentVariable("PRAVENT_HOME");
    if (!dinMediu.isEmpty())
        return QDir::cleanPath(QDir(dinMediu).absolutePath());
    const QFileInfo executabil(dosarExecutabil);
    if (executabil.isDir() && executabil.isWritable() && !EsteCopieInstalata(dosarExecutabil))
        return QDir::cleanPath(executabil.absoluteFilePath());
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString CaleSablonBazaDeDatePentru(const QString& dosarExecutabil)
{
    const QString inDosarDate = InDosar(DosarDatePentru(dosarExecutabil), NumeSablon);
    const QStringList candidati = {inDosarDate, InDosar(dosarExecutabil, NumeSablon),
                                   InDosar(DosarPartajatPentru(dosarExecutabil), NumeSablon)};
    for (const QString& cale : candidati)
        if (QFileInfo::exists(cale))
            return QDir::cleanPath(cale);
    return inDosarDate;
}

QString DosarDate()
{
    return DosarDatePentru(DosarExecutabil());
}

QString CaleInDosarDate(const QString& nume)
{
    return InDosar(DosarDate(), nume);
}

QString CaleSablonBazaDeDate()
{
    return CaleSablonBazaDeDatePentru(DosarExecutabil());
}
