#include "db/mesajefirebird.h"

#include <QStringList>

namespace {

struct TCauza {
    QStringList Semne;  // any of these, case-insensitive, in the engine's text
    const char* Propozitie;
};

// The order matters: a lock failure also mentions the file it failed to open.
const TCauza Cauze[] = {
    {{QStringLiteral("already opened"), QStringLiteral("lock time-out"), QStringLiteral("\"lock\""),
      QStringLiteral("resource temporarily unavailable"), QStringLiteral("in use")},
     "Baza de date \"%1\" este deschisa de alt program."},
    {{QStringLiteral("user name and password are not defined"), QStringLiteral("login is same as")},
     "Utilizatorul sau parola nu sunt acceptate de serverul bazei de date \"%1\"."},
    {{QStringLiteral("unable to complete network request"), QStringLiteral("failed to establish a connection"),
      QStringLiteral("connection refused"), QStringLiteral("failed to locate host"), QStringLiteral("connection lost"),
      QStringLiteral("connection shutdown"), QStringLiteral("timed out")},
     "Serverul bazei de date \"%1\" nu poate fi contactat: verificati numele serverului, portul, reteaua si ca "
     "serverul Firebird este pornit."},
    {{QStringLiteral("no space left"), QStringLiteral("disk full"), QStringLiteral("file system full")},
     "Nu mai este loc pe disc pentru baza de date \"%1\"."},
    {{QStringLiteral("permission denied"), QStringLiteral("read-only"), QStringLiteral("read only"),
      QStringLiteral("access denied"), QStringLiteral("no permission for")},
     "Programul nu are drept de acces la baza de date \"%1\"."},
    {{QStringLiteral("no such file"), QStringLiteral("not found")},
     "Baza de date \"%1\" nu exista."},
    {{QStringLiteral("not a valid database"), QStringLiteral("corrupt"), QStringLiteral("wrong page type"),
      QStringLiteral("unsupported on-disk structure"), QStringLiteral("bad checksum"),
      QStringLiteral("database file appears"), QStringLiteral("short read"), QStringLiteral("end of file")},
     "Fisierul \"%1\" nu este o baza de date valida sau este deteriorat."},
};

} // namespace

QString MesajFirebird(const QString& caleFisier, const QString& mesajMotor)
{
    for (const TCauza& cauza : Cauze)
        for (const QString& semn : cauza.Semne)
            if (mesajMotor.contains(semn, Qt::CaseInsensitive))
                return QString::fromUtf8(cauza.Propozitie).arg(caleFisier)
                    + QStringLiteral("\n\nDetalii: ") + mesajMotor;
    return mesajMotor;
}

EConflictConcurent::EConflictConcurent()
    : EEroare(QStringLiteral("Aceleasi date sunt salvate chiar acum de alt utilizator. Incercati din nou peste "
                             "cateva secunde."))
{
}

bool EsteConflictConcurent(const QString& mesajMotor)
{
    static const QString semne[] = {QStringLiteral("update conflicts with concurrent update"),
                                    QStringLiteral("deadlock"), QStringLiteral("lock conflict on no wait"),
                                    QStringLiteral("lock time-out on wait transaction")};
    for (const QString& semn : semne)
        if (mesajMotor.contains(semn, Qt::CaseInsensitive))
            return true;
    return false;
}

void RidicaEroareaMotorului(const QString& mesajMotor)
{
    if (EsteConflictConcurent(mesajMotor))
        throw EConflictConcurent();
    throw EEroare(mesajMotor);
}
