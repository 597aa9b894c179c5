#include "db/blocarefirebird.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// The login name as the system's environment gives it, reduced to the characters a folder
// name may always hold.
QString NumeUtilizator()
{
    QString nume;
    for (const char* variabila : {"USER", "LOGNAME", "USERNAME"}) {
        nume = qEnvironmentVariable(variabila);
        if (!nume.isEmpty())
            break;
    }
    if (nume.isEmpty())
        nume = QDir::home().dirName();
    static const QRegularExpression altele(QStringLiteral("[^A-Za-z0-9._-]"));
    return nume.replace(altele, QStringLiteral("_"));
}

} // namespace

QString DosarBlocareFirebirdImplicit()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir::cleanPath(runtime + QStringLiteral("/firebird"));
    return QDir::cleanPath(QDir::tempPath() + QStringLiteral("/firebird-") + NumeUtilizator());
}

void AlegeDosarulDeBlocareFirebird()
{
    if (!qEnvironmentVariableIsEmpty("FIREBIRD_LOCK"))
        return;
    const QString dosar = DosarBlocareFirebirdImplicit();
    QDir().mkpath(dosar);
    QFile::setPermissions(dosar, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("FIREBIRD_LOCK", QFile::encodeName(dosar));
}
