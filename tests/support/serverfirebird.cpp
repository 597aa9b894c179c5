#include "serverfirebird.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

namespace {

const QString ProgramServer = QStringLiteral("/usr/sbin/firebird");
// Where Debian's package writes the server's log whatever its root folder.
const QString JurnalSistem = QStringLiteral("/var/log/firebird/firebird3.0.log");
constexpr int MilisecundePornire = 20000;

QString Coada(const QString& cale, qsizetype caractere)
{
    QFile f(cale);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(f.readAll()).right(caractere);
}

} // namespace

quint16 PortLiber()
{
    QTcpServer proba;
    if (!proba.listen(QHostAddress::LocalHost, 0))
        return 0;
    return proba.serverPort();
}

TServerFirebird::TServerFirebird()
{
    m_proces.setProcessChannelMode(QProcess::MergedChannels);
    // A test that aborts never runs the destructor: the server must not outlive it.
    m_proces.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

TServerFirebird::~TServerFirebird() { Opreste(); }

bool TServerFirebird::Instalat() { return QFileInfo(ProgramServer).isExecutable(); }

bool TServerFirebird::Porneste()
{
    if (!m_radacina.isValid() || !PregatesteRadacina() || !CreeazaBazaDeSecuritate())
        return false;
    for (int incercare = 0; incercare < 3; ++incercare) {
        // The server may lose the port to another process before it binds: then it tries again.
        m_port = PortLiber();
        if (m_port == 0 || !ScrieConfiguratia()) {
            m_eroare = QStringLiteral("no free port or cannot write firebird.conf");
            return false;
        }
        m_proces.setProcessEnvironment(Mediu());
        m_proces.start(ProgramServer, {});
        if (AsteaptaPortul())
            return true;
        Opreste();
    }
    return false;
}

bool TServerFirebird::PregatesteRadacina()
{
    const QDir radacina(m_radacina.path());
    for (const QString& dosar : {QStringLiteral("date"), QStringLiteral("blocari"), QStringLiteral("tmp")})
        if (!radacina.mkpath(dosar)) {
            m_eroare = QStringLiteral("cannot create %1 in the server root").arg(dosar);
            return false;
        }
    // The engine's plugins, character sets and messages come from the package.
    const QString pachet = QStringLiteral(PRAVENT_FIREBIRD_DIR);
    for (const QString& parte : {QStringLiteral("plugins"), QStringLiteral("intl"), QStringLiteral("lib"),
                                 QStringLiteral("firebird.msg")})
        if (!QFile::link(pachet + u'/' + parte, radacina.filePath(parte))) {
            m_eroare = QStringLiteral("cannot link %1/%2 into the server root").arg(pachet, parte);
            return false;
        }
    return ScrieConfiguratia();
}

bool TServerFirebird::ScrieConfiguratia()
{
    QFile conf(m_radacina.filePath(QStringLiteral("firebird.conf")));
    if (!conf.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    // Names of its own for the shared memory and the pipes, so that it never meets the
    // engine of the test process or a system server.
    static int servere = 0;
    if (m_nume.isEmpty())
        m_nume = QStringLiteral("pravent_test_%1_%2").arg(QCoreApplication::applicationPid()).arg(++servere);
    const QString text = QStringLiteral("ServerMode = Super\n"
                                        "RemoteServicePort = %1\n"
                                        "RemoteBindAddress = 127.0.0.1\n"
                                        "IpcName = %2\n"
                                        "RemotePipeName = %2\n"
                                        "DatabaseAccess = Restrict %3\n"
                                        "SecurityDatabase = %4/security3.fdb\n"
                                        "AuthServer = Srp\n"
                                        "UserManager = Srp\n"
                                        "WireCrypt = Enabled\n"
                                        "UdfAccess = None\n")
                                 .arg(m_port)
                                 .arg(m_nume, DosarDate(), m_radacina.path());
    return conf.write(text.toUtf8()) == text.toUtf8().size();
}

// The security database is made the way the package makes the system one, from its script,
// then holds the test's user, allowed to create databases.
bool TServerFirebird::CreeazaBazaDeSecuritate()
{
    const QString securitate = m_radacina.filePath(QStringLiteral("security3.fdb"));
    return RuleazaIsql(QStringLiteral("CREATE DATABASE '%1';\n").arg(securitate), {QStringLiteral("-q")})
        && RuleazaIsql({}, {QStringLiteral("-q"), QStringLiteral("-user"), QStringLiteral("SYSDBA"), QStringLiteral("-i"),
                            QStringLiteral("/usr/share/firebird/3.0/security.sql"), securitate})
        && RuleazaIsql(QStringLiteral("CREATE USER %1 PASSWORD '%2' USING PLUGIN Srp;\n"
                                      "GRANT CREATE DATABASE TO USER %1;\n"
                                      "CREATE USER %3 PASSWORD '%2' USING PLUGIN Srp;\nCOMMIT;\n")
                           .arg(Utilizator(), Parola(), AltUtilizator()),
                       {QStringLiteral("-q"), QStringLiteral("-user"), QStringLiteral("SYSDBA"), securitate});
}

bool TServerFirebird::RuleazaIsql(const QString& sql, const QStringList& argumente)
{
    QProcess isql;
    isql.setProcessEnvironment(Mediu());
    isql.setProcessChannelMode(QProcess::MergedChannels);
    isql.start(QStringLiteral(PRAVENT_ISQL_FB), QStringList{QStringLiteral("-b")} + argumente);
    isql.write(sql.toUtf8());
    isql.closeWriteChannel();
    if (isql.waitForFinished(60000) && isql.exitStatus() == QProcess::NormalExit && isql.exitCode() == 0)
        return true;
    m_eroare = QStringLiteral("isql-fb %1 failed:\n%2\n%3")
                   .arg(argumente.join(u' '), sql, QString::fromLocal8Bit(isql.readAll()));
    return false;
}

bool TServerFirebird::AsteaptaPortul()
{
    const QDeadlineTimer termen(MilisecundePornire);
    while (!termen.hasExpired()) {
        if (m_proces.state() == QProcess::NotRunning) {
            m_eroare = QStringLiteral("the Firebird server ended at start:\n") + Jurnal();
            return false;
        }
        QTcpSocket proba;
        proba.connectToHost(QHostAddress::LocalHost, m_port);
        if (proba.waitForConnected(200))
            return true;
        QThread::msleep(100);
    }
    m_eroare = QStringLiteral("the Firebird server did not accept connections on port %1 in %2 ms:\n")
                   .arg(m_port)
                   .arg(MilisecundePornire)
        + Jurnal();
    return false;
}

QString TServerFirebird::CreeazaBazaGoala(const QString& numeFisier) { return CreeazaBaza(numeFisier, {}); }

QString TServerFirebird::CreeazaBazaCuSablon(const QString& numeFisier)
{
    QFile script(QStringLiteral(PRAVENT_SOURCE_DIR "/db/blank.sql"));
    if (!script.open(QIODevice::ReadOnly)) {
        m_eroare = QStringLiteral("cannot read ") + script.fileName();
        return {};
    }
    return CreeazaBaza(numeFisier, QString::fromUtf8(script.readAll()));
}

QString TServerFirebird::CreeazaBaza(const QString& numeFisier, const QString& script)
{
    const QString conexiune = QStringLiteral("%1/%2:%3/%4").arg(Gazda()).arg(m_port).arg(DosarDate(), numeFisier);
    const QString sql = QStringLiteral("SET SQL DIALECT 3;\nCREATE DATABASE '%1' USER '%2' PASSWORD '%3' "
                                       "PAGE_SIZE 8192 DEFAULT CHARACTER SET UTF8;\n")
                            .arg(conexiune, Utilizator(), Parola())
        + script;
    if (!RuleazaIsql(sql, {QStringLiteral("-q")})) {
        m_eroare += Jurnal();
        return {};
    }
    return conexiune;
}

QProcessEnvironment TServerFirebird::Mediu() const
{
    QProcessEnvironment mediu = QProcessEnvironment::systemEnvironment();
    for (const QString& nume : {QStringLiteral("ISC_USER"), QStringLiteral("ISC_PASSWORD"), QStringLiteral("PRAVENT_DB"),
                                QStringLiteral("PRAVENT_DB_USER"), QStringLiteral("PRAVENT_DB_PASSWORD")})
        mediu.remove(nume);
    mediu.insert(QStringLiteral("FIREBIRD"), m_radacina.path());
    mediu.insert(QStringLiteral("FIREBIRD_LOCK"), m_radacina.filePath(QStringLiteral("blocari")));
    mediu.insert(QStringLiteral("FIREBIRD_TMP"), m_radacina.filePath(QStringLiteral("tmp")));
    return mediu;
}

QString TServerFirebird::Jurnal()
{
    QString jurnal = QStringLiteral("--- server output ---\n") + QString::fromLocal8Bit(m_proces.readAll());
    for (const QString& cale : {m_radacina.filePath(QStringLiteral("firebird.log")), JurnalSistem}) {
        const QString coada = Coada(cale, 4000);
        if (!coada.isEmpty())
            jurnal += QStringLiteral("--- %1 ---\n%2").arg(cale, coada);
    }
    return jurnal;
}

void TServerFirebird::Semnal(int semnal)
{
    // Still "starting" for QProcess until an event loop has run: the process id tells.
    if (m_proces.state() != QProcess::NotRunning && m_proces.processId() > 0)
        ::kill(static_cast<pid_t>(m_proces.processId()), semnal);
}

void TServerFirebird::Opreste()
{
    // A frozen server would not hear the request to stop.
    Semnal(SIGCONT);
    if (m_proces.state() == QProcess::NotRunning)
        return;
    // A clean stop usually takes a second or two, but the server sometimes lingers over its
    // idle workers; its databases are the test's, so it is then killed.
    m_proces.terminate();
    if (!m_proces.waitForFinished(5000)) {
        m_proces.kill();
        m_proces.waitForFinished();
    }
}
