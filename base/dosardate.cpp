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

} // namespace

QString DosarDate()
{
    const QString dinMediu = qEnvironmentVariable("PRAVENT_HOME");
    if (!dinMediu.isEmpty())
        return QDir::cleanPath(QDir(dinMediu).absolutePath());
    const QFileInfo executabil(DosarExecutabil());
    if (executabil.isDir() && executabil.isWritable())
        return QDir::cleanPath(executabil.absoluteFilePath());
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString CaleInDosarDate(const QString& nume)
{
    return DosarDate() + QLatin1Char('/') + nume;
}

QString CaleSablonBazaDeDate()
{
    const QString inDosarDate = CaleInDosarDate(NumeSablon);
    const QStringList candidati = {inDosarDate, DosarExecutabil() + QLatin1Char('/') + NumeSablon,
                                   QStringLiteral(PRAVENT_SHARE_DIR) + QLatin1Char('/') + NumeSablon};
    for (const QString& cale : candidati)
        if (QFileInfo::exists(cale))
            return QDir::cleanPath(cale);
    return inDosarDate;
}
