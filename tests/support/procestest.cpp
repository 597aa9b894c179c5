#include "procestest.h"

#include <QProcess>

QProcessEnvironment MediuProgram(const QString& dosarDate)
{
    QProcessEnvironment mediu = QProcessEnvironment::systemEnvironment();
    mediu.insert(QStringLiteral("PRAVENT_HOME"), dosarDate);
    mediu.insert(QStringLiteral("XDG_CONFIG_HOME"), dosarDate + QStringLiteral("/setari"));
    mediu.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return mediu;
}

TRezultatProces RuleazaProces(const QString& program, const QStringList& argumente, const QProcessEnvironment& mediu,
                              const QString& dosarLucru, int milisecunde)
{
    QProcess proces;
    proces.setProcessEnvironment(mediu);
    if (!dosarLucru.isEmpty())
        proces.setWorkingDirectory(dosarLucru);
    proces.start(program, argumente);
    TRezultatProces rezultat;
    if (!proces.waitForFinished(milisecunde)) {
        proces.kill();
        proces.waitForFinished();
        rezultat.Erori = QStringLiteral("the program did not end in time");
        return rezultat;
    }
    rezultat.CodIesire = proces.exitStatus() == QProcess::NormalExit ? proces.exitCode() : -1;
    rezultat.Iesire = QString::fromLocal8Bit(proces.readAllStandardOutput());
    rezultat.Erori += QString::fromLocal8Bit(proces.readAllStandardError());
    return rezultat;
}

void PornesteProgramul(QProcess& proces, const QStringList& argumente, const QString& dosarDate)
{
    proces.setProcessEnvironment(MediuProgram(dosarDate));
    proces.start(QStringLiteral(PRAVENT_EXECUTABLE), argumente);
}

TRezultatProces RuleazaProgramul(const QStringList& argumente, const QString& dosarDate, const QString& program)
{
    return RuleazaProces(program, argumente, MediuProgram(dosarDate));
}
