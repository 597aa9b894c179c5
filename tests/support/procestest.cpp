#include "procestest.h"

#include <QProcess>

TRezultatProces RuleazaProgramul(const QStringList& argumente, const QString& dosarDate, const QString& program)
{
    QProcess proces;
    QProcessEnvironment mediu = QProcessEnvironment::systemEnvironment();
    mediu.insert(QStringLiteral("PRAVENT_HOME"), dosarDate);
    mediu.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    proces.setProcessEnvironment(mediu);
    proces.start(program, argumente);
    TRezultatProces rezultat;
    if (!proces.waitForFinished(120000)) {
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
