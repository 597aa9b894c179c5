// "Conectare la server": what it saves, where the password goes, and its connection test
// against a real Firebird server.
#include "app/conectareserver.h"
#include "app/pornireinteractiva.h"
#include "app/splash.h"
#include "base/brvregistryclass.h"
#include "db/locbazadedate.h"
#include "support/mediutest.h"
#include "support/prompttest.h"
#include "support/serverfirebird.h"

#include <QDirIterator>
#include <QInputDialog>
#include <QTcpServer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSettings>
#include <QtTest>

namespace {

// Every byte the settings store wrote under the data folder.
QByteArray ContinutSetari(const TMediuTest& mediu)
{
    QByteArray continut;
    for (QDirIterator it(mediu.Dosar() + QStringLiteral("/setari"), QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        QFile fisier(it.next());
        if (fisier.open(QIODevice::ReadOnly))
            continut += fisier.readAll();
    }
    return continut;
}

void Completeaza(TConectareServer& dialog, const TServerFirebird& server, const QString& baza, const QString& parola)
{
    dialog.PeServer()->setChecked(true);
    dialog.Server()->setText(QStringLiteral("%1/%2").arg(server.Gazda()).arg(server.Port()));
    dialog.BazaDeDate()->setText(baza);
    dialog.Utilizator()->setText(server.Utilizator());
    dialog.Parola()->setText(parola);
}

// Acts on the next modal dialog of the given kind once it is open (it may open after other
// event loops have run, the secret store's among them).
template <typename Dialog>
void CandApare(std::function<void(Dialog*)> actiune)
{
    auto* ceas = new QTimer(qApp);
    QObject::connect(ceas, &QTimer::timeout, ceas, [ceas, actiune] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        ceas->stop();
        ceas->deleteLater();
        actiune(dialog);
    });
    ceas->start(20);
}

} // namespace

class TestConectareServer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void salveazaServerulDarNuParola();
    void testeazaConexiunea();
    void ceEsteGresitNuSeSalveaza();
    void butonulDinImagineaDeStart();
    void parolaCerutaLaPornire();
    void serverulDinSetariDeNeatinsLaPornire();

private:
    std::unique_ptr<TServerFirebird> m_server;
};

void TestConectareServer::initTestCase()
{
    // No secret store: the password must then be asked, never written anywhere.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    if (!TServerFirebird::Instalat())
        return;
    m_server = std::make_unique<TServerFirebird>();
    QVERIFY2(m_server->Porneste(), qPrintable(m_server->Eroare()));
}

void TestConectareServer::salveazaServerulDarNuParola()
{
    SARI_FARA_SERVER_FIREBIRD();
    TMediuTest mediu(false);
    TPromptTest prompt;
    const QString parola = m_server->Parola();
    {
        TConectareServer dialog;
        QVERIFY(dialog.Local()->isChecked());
        QVERIFY(!dialog.Server()->isEnabled());
        Completeaza(dialog, *m_server, QStringLiteral("/srv/pv.fdb"), parola);
        QVERIFY(dialog.Server()->isEnabled());
        dialog.OkClick();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Eroare), QStringList());
    const QStringList note = prompt.Texte(TPromptTest::Fel::Informatie);
    QCOMPARE(note.size(), 1);
    QVERIFY2(note.first().contains(QStringLiteral("va fi ceruta la fiecare pornire")), qPrintable(note.first()));

    const TSetariServer setari = TSetariServer::Citeste();
    QCOMPARE(setari.Conexiune(), QStringLiteral("127.0.0.1/%1:/srv/pv.fdb").arg(m_server->Port()));
    QCOMPARE(setari.Utilizator, m_server->Utilizator());
    const QByteArray scrise = ContinutSetari(mediu);
    QVERIFY(scrise.contains("/srv/pv.fdb"));
    QVERIFY(!scrise.contains(parola.toUtf8()));
    QVERIFY(!scrise.contains(parola.toUtf8().toBase64()));

    // Opened again it shows what was saved, with no password to show.
    TConectareServer dinNou;
    QVERIFY(dinNou.PeServer()->isChecked());
    QCOMPARE(dinNou.BazaDeDate()->text(), QStringLiteral("/srv/pv.fdb"));
    QCOMPARE(dinNou.Parola()->text(), QString());
    QCOMPARE(dinNou.Parola()->echoMode(), QLineEdit::Password);

    // Back to the local database.
    dinNou.Local()->setChecked(true);
    dinNou.OkClick();
    QCOMPARE(dinNou.result(), int(QDialog::Accepted));
    QVERIFY(!TSetariServer::Citeste().Folosit());
    QVERIFY(!LocBazaDeDate().PeServer());
}

void TestConectareServer::testeazaConexiunea()
{
    SARI_FARA_SERVER_FIREBIRD();
    const QString baza = m_server->CreeazaBazaCuSablon(QStringLiteral("dialog.fdb"));
    QVERIFY2(!baza.isEmpty(), qPrintable(m_server->Eroare()));
    const QString cale = m_server->DosarDate() + QStringLiteral("/dialog.fdb");
    TMediuTest mediu(false);
    TPromptTest prompt;
    TConectareServer dialog;

    Completeaza(dialog, *m_server, cale, m_server->Parola());
    dialog.TesteazaClick();
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Informatie),
             QStringList{QStringLiteral("Conexiunea la baza de date \"%1\" reuseste.").arg(baza)});
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Eroare), QStringList());

    prompt.Goleste();
    dialog.Parola()->setText(QStringLiteral("gresita"));
    dialog.TesteazaClick();
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Informatie), QStringList());
    const QStringList erori = prompt.Texte(TPromptTest::Fel::Eroare);
    QCOMPARE(erori.size(), 1);
    QVERIFY2(erori.first().startsWith(QStringLiteral("Utilizatorul sau parola nu sunt acceptate")),
             qPrintable(erori.first()));
    // A test saves nothing.
    QVERIFY(!TSetariServer::Citeste().Folosit());
}

void TestConectareServer::ceEsteGresitNuSeSalveaza()
{
    SARI_FARA_SERVER_FIREBIRD();
    TMediuTest mediu(false);
    TPromptTest prompt;
    TConectareServer dialog;
    Completeaza(dialog, *m_server, QString(), m_server->Parola());
    dialog.OkClick();
    Completeaza(dialog, *m_server, QStringLiteral("pravent"), m_server->Parola());
    dialog.Utilizator()->clear();
    dialog.OkClick();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    const QStringList erori = prompt.Texte(TPromptTest::Fel::Eroare);
    QCOMPARE(erori.size(), 2);
    QVERIFY2(erori.at(0).contains(QStringLiteral("nu numeste o baza de date pe un server")), qPrintable(erori.at(0)));
    QCOMPARE(erori.at(1), QStringLiteral("Scrieti utilizatorul bazei de date de pe server."));
    QVERIFY(!TSetariServer::Citeste().Folosit());
    QVERIFY(!ContinutSetari(mediu).contains(m_server->Parola().toUtf8()));
}

void TestConectareServer::butonulDinImagineaDeStart()
{
    TMediuTest mediu(false);
    TSplashForm splash;
    QVERIFY(splash.ConectareServer()->isVisibleTo(&splash));
    QVERIFY(splash.rect().contains(splash.ConectareServer()->geometry()));
    // The dialog opened from the start step; closing it lets the start go on at once.
    bool aparut = false;
    CandApare<TConectareServer>([&aparut](TConectareServer* dialog) {
        aparut = true;
        dialog->reject();
    });
    splash.ConectareServer()->click();
    QVERIFY(aparut);
    QCOMPARE(splash.result(), int(QDialog::Accepted));
    QVERIFY(!splash.Timer1()->isActive());
}

void TestConectareServer::parolaCerutaLaPornire()
{
    QString intrebare;
    bool ascunsa = false;
    CandApare<QInputDialog>([&intrebare, &ascunsa](QInputDialog* dialog) {
        intrebare = dialog->labelText();
        ascunsa = dialog->textEchoMode() == QLineEdit::Password;
        dialog->setTextValue(QStringLiteral("secret"));
        dialog->accept();
    });
    QCOMPARE(CerereParolaPrinDialog(QStringLiteral("Parola pentru x:")), std::optional<QString>(QStringLiteral("secret")));
    QCOMPARE(intrebare, QStringLiteral("Parola pentru x:"));
    QVERIFY(ascunsa);
    CandApare<QInputDialog>([](QInputDialog* dialog) { dialog->reject(); });
    QCOMPARE(CerereParolaPrinDialog(QStringLiteral("Parola pentru x:")), std::nullopt);
}

// A server of the settings that cannot be reached: the start offers the dialog and, once the
// local database is chosen there, starts again on it; declined, the start stays without data.
void TestConectareServer::serverulDinSetariDeNeatinsLaPornire()
{
    quint16 portLiber = 0;
    {
        QTcpServer proba;
        QVERIFY(proba.listen(QHostAddress::LocalHost, 0));
        portLiber = proba.serverPort();
    }
    TMediuTest mediu;
    QVERIFY((TSetariServer{QStringLiteral("127.0.0.1/%1").arg(portLiber), QStringLiteral("pravent"),
                           QStringLiteral("SECRETARA")}
                 .Scrie()));
    qputenv("PRAVENT_DB_PASSWORD", "oricare");
    const auto faraParola = qScopeGuard([] { qunsetenv("PRAVENT_DB_PASSWORD"); });
    TPromptTest prompt;
    prompt.RaspundeLaConfirmari({false});
    bool oprita = true;
    {
        const std::unique_ptr<TDM> refuzat = PornesteModululDeDate({}, oprita);
        QVERIFY(!oprita);
        QVERIFY(!refuzat->Conectat());
    }
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Confirmare).size(), 1);
    QVERIFY(prompt.Texte(TPromptTest::Fel::Confirmare).first().contains(QStringLiteral("nu poate fi contactat")));
    QVERIFY(prompt.Texte(TPromptTest::Fel::Confirmare).first().endsWith(
        QStringLiteral("Doriti sa schimbati conexiunea la server?")));
    // The error was in the question already.
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Eroare), QStringList());

    prompt.Goleste();
    prompt.RaspundeLaConfirmari({true});
    bool dialogAparut = false;
    CandApare<TConectareServer>([&dialogAparut](TConectareServer* dialog) {
        dialogAparut = true;
        dialog->Local()->setChecked(true);
        dialog->OkClick();
    });
    const std::unique_ptr<TDM> local = PornesteModululDeDate({}, oprita);
    QVERIFY(dialogAparut);
    QVERIFY(local->Conectat());
    QVERIFY(!local->PeServer());
    QCOMPARE(local->CaleBazaDeDate(), mediu.CaleBazaDeDate());
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Eroare), QStringList());
}

QTEST_MAIN(TestConectareServer)
#include "tst_conectareserver.moc"
