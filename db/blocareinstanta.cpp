#include "db/blocareinstanta.h"

#include "base/dosardate.h"

#include <QDir>

QString TBlocareInstanta::Cale()
{
    return CaleInDosarDate(QStringLiteral("pravent.lock"));
}

TBlocareInstanta::TBlocareInstanta() : m_blocare(Cale())
{
    QDir().mkpath(DosarDate());
    // Only a dead owner makes the lock stale, however long the other instance has been running.
    m_blocare.setStaleLockTime(0);
    if (m_blocare.tryLock(0))
        return;
    if (m_blocare.error() == QLockFile::LockFailedError)
        throw EOprestePornirea(QStringLiteral("Programul este deja pornit."));
    throw EOprestePornirea(
        QStringLiteral("Nu pot crea fisierul de blocare \"%1\"; programul nu poate porni.").arg(Cale()));
}
