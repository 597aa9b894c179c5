// The application shell: version text, window placement, splash, registration and menu.
#include "dialoguri/centreazafereastra.h"
#include "base/eroare.h"
#include "app/errcodepage.h"
#include "app/praventmain.h"
#include "app/splash.h"
#include "app/traducereqt.h"
#include "base/versiune.h"
#include "profile/profilpv.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestFereastra : public QObject {
    Q_OBJECT
private slots:
    void versiune_data();
    void versiune();
    void versiuneaProgramului();
    void pozitieCentrata();
    void splashSeInchideLaAl51leaTic();
    void dialogulDeLimba();
    void aDouaInregistrareEsteRefuzata();
    void meniulConfigurare();
    void fereastraPeEcranMic();
    void texteleQtInRomana();
};

void TestFereastra::versiune_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("asteptat");
    const QString na = "<info not available>";
    QTest::newRow("patru parti") << "2006.9.2.188" << "2006.9.2.188";
    QTest::newRow("virgule") << "2006,9,2,188" << "2006.9.2.188";
    QTest::newRow("un separator") << "2006.188" << "2006...188";
    QTest::newRow("doi separatori") << "1.2.3" << "1.2..3";
    QTest::newRow("mai multe puncte") << "1.2.3.4.5" << "1.2.3.4.5";
    QTest::newRow("puncte inaintea virgulelor") << "1,2.3" << "1,2...3";
    QTest::newRow("fara separator") << "2006" << QStringList{na, na, na, na}.join('.');
    QTest::newRow("gol") << "" << QStringList{na, na, na, na}.join('.');
}

void TestFereastra::versiune()
{
    QFETCH(QString, text);
    QTEST(ParseazaVersiune(text).Text(), "asteptat");
}

void TestFereastra::versiuneaProgramului()
{
    QCOMPARE(VersiuneProgram(), QString("2006.9.2.188"));
}

void TestFereastra::pozitieCentrata()
{
    const QRect zona(100, 50, 1000, 700);
    QCOMPARE(PozitieCentrata(zona, QSize(400, 301)), QPoint(400, 249));
    // Larger than the work area: held at its top-left corner, overflowing right and down.
    QCOMPARE(PozitieCentrata(zona, QSize(1200, 900)), QPoint(100, 50));
    // Odd differences truncate toward zero.
    QCOMPARE(PozitieCentrata(QRect(0, 0, 101, 101), QSize(100, 100)), QPoint(0, 0));
}

void TestFereastra::splashSeInchideLaAl51leaTic()
{
    TSplashForm splash;
    QCOMPARE(splash.Timer1()->interval(), 100);
    splash.SeteazaText("Absolventi Clasa a VIIIa - " + VersiuneProgram());
    QCOMPARE(splash.Label1()->text(), QString("Absolventi Clasa a VIIIa - 2006.9.2.188"));
    QCOMPARE(splash.Label1()->geometry().right() + 1, 474);
    QCOMPARE(splash.Label1()->y(), 226);
    splash.show();
    for (int i = 0; i < 50; ++i)
        splash.Timer1Timer();
    QVERIFY(splash.isVisible());
    splash.Timer1Timer();
    QVERIFY(!splash.isVisible());
    QCOMPARE(splash.result(), int(QDialog::Accepted));

    // A click or a key does not wait for the ticks.
    TSplashForm clic;
    clic.show();
    QTest::mouseClick(&clic, Qt::LeftButton, {}, QPoint(240, 100));
    QVERIFY(!clic.isVisible());
    QVERIFY(!clic.Timer1()->isActive());
    TSplashForm tasta;
    tasta.show();
    QTest::keyClick(&tasta, Qt::Key_Escape);
    QVERIFY(!tasta.isVisible());
    QCOMPARE(tasta.result(), int(QDialog::Accepted));
}

void TestFereastra::dialogulDeLimba()
{
    TErrCodePage dialog;
    QCOMPARE(dialog.windowTitle(), QString("Eroare de limba implicita"));
    QCOMPARE(dialog.size(), QSize(483, 270));
    QCOMPARE(dialog.RzBitBtn1()->text(), QString("Deschide pagina"));
    QStringList texte;
    for (const QLabel* eticheta : dialog.findChildren<QLabel*>())
        texte << eticheta->text();
    QVERIFY(texte.contains("Am identificat o problema"));
#ifdef Q_OS_WIN
    QVERIFY(texte.contains("Instructiuni pentru Windows XP"));
#else
    // Linux has no Control Panel: the steps name the locale.
    QVERIFY(texte.contains("Instructiuni pentru Linux"));
    QVERIFY(texte.join(' ').contains("ro_RO.UTF-8"));
    QVERIFY(!texte.join(' ').contains("Control Panel"));
#endif
    dialog.show();
    dialog.RzBitBtn2()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestFereastra::aDouaInregistrareEsteRefuzata()
{
    InregistreazaProfilPV();
    InregistreazaProfilPV(); // the start-up's call registers once
    QCOMPARE(ProfilInregistrat(), &ClasaProfilDiplomaPV);
    try {
        InregistreazaProfil(&ClasaProfilDiplomaPV);
        QFAIL("a second profile must be refused");
    } catch (const EEroare& e) {
        QCOMPARE(e.Mesaj(), QString("Am inregistrat deja un profil de diploma: TListaLiniiProfilDiplomaPV"));
    }
    try {
        InregistreazaListaTabele(&ClasaListaTabelPV);
        QFAIL("a second table list must be refused");
    } catch (const EEroare& e) {
        QCOMPARE(e.Mesaj(), QString("Am inregistrat deja un profil de diploma: TListaLiniiTabelPV"));
    }
    QCOMPARE(ProfilInregistrat(), &ClasaProfilDiplomaPV);
}

void TestFereastra::meniulConfigurare()
{
    TPraventMain fereastra;
    QCOMPARE(fereastra.windowTitle(), QString("Certificat de promovare a testelor nationale"));
    QStringList articole;
    for (const QAction* articol : fereastra.MeniuConfigurare()->actions())
        articole << (articol->isSeparator() ? QString("-") : articol->text());
    QCOMPARE(articole, (QStringList{"Configurare &imprimanta", "&Format note", "-", "Configurare sablon &diploma",
                                    "Configurare &scoala", "-", "Import din &Excel", "-", "&Conectare la server", "-",
                                    "I&esire"}));
    QCOMPARE(fereastra.Iesire1()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QVERIFY(fereastra.Formatnote1()->isEnabled());
    QVERIFY(fereastra.ImportdinExcel1()->isEnabled());
}

void TestFereastra::fereastraPeEcranMic()
{
    // The offscreen test screen is far less than 1200 pixels high.
    TPraventMain fereastra;
    QVERIFY(fereastra.windowState() & Qt::WindowMaximized);
    const QRect zona = ZonaLucruSubMouse();
    fereastra.setWindowState(Qt::WindowNoState);
    QCOMPARE(fereastra.size(), QSize(zona.width() - 30, zona.height() - 30));
}

// Qt's own buttons, edit menus and file dialogs speak Romanian once the program's
// translation is installed.
void TestFereastra::texteleQtInRomana()
{
    InstaleazaTraducereaQt(*qApp);
    QDialogButtonBox butoane(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
    QCOMPARE(butoane.button(QDialogButtonBox::Yes)->text(), QString("&Da"));
    QCOMPARE(butoane.button(QDialogButtonBox::No)->text(), QString("&Nu"));
    QCOMPARE(butoane.button(QDialogButtonBox::Cancel)->text(), QString("Renunt"));
    QLineEdit camp;
    const std::unique_ptr<QMenu> meniu(camp.createStandardContextMenu());
    QStringList articole;
    for (const QAction* articol : meniu->actions())
        articole << articol->text().section(u'\t', 0, 0);
    QVERIFY2(articole.contains("&Copiaza") && articole.contains("&Lipeste"), qPrintable(articole.join('|')));
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QStringList etichete;
    for (const QLabel* eticheta : dialog.findChildren<QLabel*>())
        etichete << eticheta->text();
    QVERIFY2(etichete.contains("Cauta in:") && etichete.contains("&Nume fisier:"), qPrintable(etichete.join('|')));
}

QTEST_MAIN(TestFereastra)
#include "tst_fereastra.moc"
