#include "db/blocarefirebird.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

QString DosarBlocareFirebirdImplicit()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir::cleanPath(runtime + QStringLiteral("/firebird"));
    return QDir::cleanPath(QDir::tempPath() + QStringLiteral("/firebird-%1").arg(getuid()));
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
