#include "procestest.h"

#include <QProcess>

namespace {

void PregatesteMediul(QProcess& proces, const QString& dosarDate)
{
    QProcessEnvironment mediu = QProcessEnvironment::systemEnvironment();
    mediu.insert(QStringLiteral("PRAVENT_HOME"), dosarDate);
    // The settings store TMediuTest keeps in the same folder.
    mediu.insert(QStringLiteral("XDG_CONFIG_HOME"), dosarDate + QStringLiteral("/setari"));
    mediu.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    proces.setProcessEnvironment(mediu);
}

} // namespace

void PornesteProgramul(QProcess& proces, const QStringList& argumente, const QString& dosarDate)
{
    PregatesteMediul(proces, dosarDate);
    proces.start(QStringLiteral(PRAVENT_EXECUTABLE), argumente);
}

TRezultatProces RuleazaProgramul(const QStringList& argumente, const QString& dosarDate, const QString& program)
{
    QProcess proces;
    PregatesteMediul(proces, dosarDate);
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
