#include "base/brvregistryclass.h"
#include "print/allstuffreg.h"
#include "print/insertpaperform.h"
#include "print/panoumasurare.h"
#include "support/dialogmodal.h"
#include "support/mediutest.h"
#include "support/virgulazecimala.h"
#include "support/prompttest.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

// Runs AskForPaper while the prompt is open, doing with it what the user would.
int IntreabaSi(int pagina, double& stanga, double& sus, bool& oglinda, const std::function<void(TInsertPaperForm&)>& actiune)
{
    QTimer::singleShot(0, [actiune] { actiune(TInsertPaperForm::Instanta()); });
    bool oglindaVerso = false;
    const int rezultat = AskForPaper(pagina, stanga, sus, oglinda, oglindaVerso);
    if (oglindaVerso != oglinda)
        qFatal("both mirror outputs must follow the check box");
    return rezultat;
}

} // namespace

class TestInsertPaperForm : public QObject {
    Q_OBJECT
private slots:
    void oSinguraInstanta();
    void frontalaFaraAlegere();
    void aspectDupaPaginaSiParti_data();
    void aspectDupaPaginaSiParti();
    void renuntPastreazaMargineaDarNuOglinda();
    void numarGresitTinePromptulDeschis();
    void margineNefinitaSauPreaMareRefuzata();
    void masurareaDevineMarginileSiScara();
};

void TestInsertPaperForm::oSinguraInstanta()
{
    QCOMPARE(&TInsertPaperForm::Instanta(), &TInsertPaperForm::Instanta());
}

void TestInsertPaperForm::frontalaFaraAlegere()
{
    TMediuTest mediu(false);
    TAllStuffReg setari;
    setari.ModAlimentare = 2;
    TInsertPaperForm& prompt = TInsertPaperForm::Instanta();
    prompt.Pregateste(0, 0, 0, setari);
    QCOMPARE(prompt.windowTitle(), QStringLiteral("(1)"));
    QVERIFY(prompt.SageataInSus());
    QVERIFY(!prompt.SageataInJos());
    QVERIFY(!prompt.Oglinda()->isChecked());
    QCOMPARE(prompt.ImagineAratata(), 3);
    prompt.Oglinda()->click();
    QCOMPARE(prompt.ImagineAratata(), 1);
    prompt.Oglinda()->click();
    QCOMPARE(prompt.ImagineAratata(), 3);
}

void TestInsertPaperForm::aspectDupaPaginaSiParti_data()
{
    QTest::addColumn<int>("pagina");
    QTest::addColumn<bool>("partiOpuse");
    QTest::addColumn<int>("modAlimentare");
    QTest::addColumn<QString>("oglindesc");
    QTest::addColumn<QString>("titlu");
    QTest::addColumn<bool>("bifat");
    QTest::addColumn<int>("imagine");
    QTest::newRow("fata, opuse, de sus") << 0 << true << 1 << "*" << "(2)" << true << 4;
    QTest::newRow("verso, opuse, frontala") << 1 << true << 2 << "*" << "(4)" << true << 3;
    QTest::newRow("verso, aceeasi, interna rasturnata") << 1 << false << 3 << "*" << "(3)" << false << 2;
    QTest::newRow("verso, ales normal") << 1 << false << 4 << "N" << "(3)" << false << 2;
    QTest::newRow("fata, ales oglinda") << 0 << false << 4 << "D" << "(1)" << true << 1;
}

void TestInsertPaperForm::aspectDupaPaginaSiParti()
{
    QFETCH(int, pagina);
    QFETCH(bool, partiOpuse);
    QFETCH(int, modAlimentare);
    QFETCH(QString, oglindesc);
    QFETCH(QString, titlu);
    QFETCH(bool, bifat);
    QFETCH(int, imagine);
    TMediuTest mediu(false);
    TAllStuffReg setari;
    setari.PartiOpuse = partiOpuse;
    setari.ModAlimentare = modAlimentare;
    (pagina == 0 ? setari.OglindescFata : setari.OglindescVerso) = oglindesc;
    TInsertPaperForm& prompt = TInsertPaperForm::Instanta();
    prompt.Pregateste(pagina, 0, 0, setari);
    QCOMPARE(prompt.windowTitle(), titlu);
    QCOMPARE(prompt.Oglinda()->isChecked(), bifat);
    QCOMPARE(prompt.ImagineAratata(), imagine);
    QCOMPARE(prompt.SageataInJos(), modAlimentare == 1 || modAlimentare == 3);
    QCOMPARE(prompt.SageataInSus(), !prompt.SageataInJos());
}

void TestInsertPaperForm::renuntPastreazaMargineaDarNuOglinda()
{
    TMediuTest mediu(false);
    TPromptTest mesaje;
    TVirgulaZecimala virgula;
    {
        TAllStuffReg setari;
        setari.ModAlimentare = 2;
        setari.MargineStangaFata = 1.5;
        double stanga = setari.MargineStangaFata;
        double sus = setari.MargineSusFata;
        bool oglinda = false;
        QString aratat;
        const int rezultat = IntreabaSi(0, stanga, sus, oglinda, [&aratat](TInsertPaperForm& prompt) {
            aratat = prompt.MargineStanga()->text();
            prompt.MargineStanga()->setText(QStringLiteral("3,25"));
            prompt.MargineSus()->setText(QStringLiteral("abc"));
            prompt.Oglinda()->click();
            prompt.Renunt();
        });
        QCOMPARE(aratat, QStringLiteral("1,5"));
        QCOMPARE(rezultat, int(QDialog::Rejected));
        QCOMPARE(stanga, 1.5);
        QVERIFY(oglinda);
        QCOMPARE(setari.OglindescFata, QStringLiteral("D"));
        QCOMPARE(setari.OglindescVerso, QStringLiteral("*"));
        // Cancelling does not complain about a margin it will not use.
        QVERIFY(mesaje.Mesaje().isEmpty());
    }
    const TAllStuffReg citite;
    QCOMPARE(citite.MargineStangaFata, 1.5);
    QCOMPARE(citite.OglindescFata, QStringLiteral("D"));
}

void TestInsertPaperForm::numarGresitTinePromptulDeschis()
{
    TMediuTest mediu(false);
    TPromptTest mesaje;
    TVirgulaZecimala virgula;
    TAllStuffReg setari;
    setari.OglindescVerso = QStringLiteral("D");
    double stanga = 0;
    double sus = 2;
    bool oglinda = true;
    bool deschisDupaEroare = false;
    const int rezultat = IntreabaSi(1, stanga, sus, oglinda, [&](TInsertPaperForm& prompt) {
        prompt.MargineStanga()->setText(QStringLiteral("-0.5"));
        prompt.Ok();
        deschisDupaEroare = prompt.isVisible();
        prompt.MargineStanga()->setText(QStringLiteral("-0,5"));
        prompt.Oglinda()->click();
        prompt.Ok();
    });
    QVERIFY(deschisDupaEroare);
    QCOMPARE(mesaje.Texte(TPromptTest::Fel::Eroare), QStringList{"'-0.5' is not a valid floating point value"});
    QCOMPARE(rezultat, int(QDialog::Accepted));
    QCOMPARE(stanga, -0.5);
    QCOMPARE(sus, 2.0);
    QVERIFY(!oglinda);
    QCOMPARE(setari.OglindescVerso, QStringLiteral("N"));
}

void TestInsertPaperForm::margineNefinitaSauPreaMareRefuzata()
{
    TMediuTest mediu(false);
    TPromptTest mesaje;
    TVirgulaZecimala virgula;
    TAllStuffReg setari;
    double stanga = 1;
    double sus = 2;
    bool oglinda = false;
    QList<bool> deschis;
    const int rezultat = IntreabaSi(0, stanga, sus, oglinda, [&](TInsertPaperForm& prompt) {
        for (const char* text : {"nan", "inf", "-inf", "1e12", "20,5"}) {
            prompt.MargineStanga()->setText(QString::fromLatin1(text));
            prompt.Ok();
            deschis << prompt.isVisible();
        }
        prompt.MargineStanga()->setText(QStringLiteral("-20"));
        prompt.MargineSus()->setText(QStringLiteral("1e12"));
        prompt.Ok();
        deschis << prompt.isVisible();
        prompt.MargineSus()->setText(QStringLiteral("19,5"));
        prompt.Ok();
    });
    QCOMPARE(deschis, QList<bool>(6, true));
    QCOMPARE(mesaje.Texte(TPromptTest::Fel::Avertisment),
             QStringList(6, "Marginea trebuie sa fie un numar de milimetri intre -20 si 20."));
    QCOMPARE(rezultat, int(QDialog::Accepted));
    QCOMPARE(stanga, -20.0);
    QCOMPARE(sus, 19.5);
}

// Measured from the prompt, the back's margins become the printer's offsets corrected (and
// show in the boxes, to be adjusted by hand), its scales go into the current settings.
void TestInsertPaperForm::masurareaDevineMarginileSiScara()
{
    TMediuTest mediu(false);
    TPromptTest mesaje;
    TVirgulaZecimala virgula;
    TAllStuffReg setari;
    double stanga = 1;
    double sus = 2;
    bool oglinda = false;
    QStringList aratate;
    const int rezultat = IntreabaSi(1, stanga, sus, oglinda, [&](TInsertPaperForm& prompt) {
        LaDialogulModal<TMasurareImprimanta>([](TMasurareImprimanta& masurare) {
            // A page 0.5 % shorter across and 1.5 mm up: A at 19.9, 18.5, B at 275.615, 188.5.
            const QStringList citiri{"19,9", "18,5", "275,615", "188,5"};
            for (int i = 0; i < 4; ++i)
                masurare.Panou()->Citire(i)->setText(citiri.at(i));
            if (!qEnvironmentVariableIsEmpty("PRAVENT_CAPTURI"))
                masurare.grab().save(qEnvironmentVariable("PRAVENT_CAPTURI") + "/masurare.png");
            masurare.Ok();
        });
        prompt.ButonMasurare()->click();
        aratate << prompt.MargineStanga()->text() << prompt.MargineSus()->text();
        if (!qEnvironmentVariableIsEmpty("PRAVENT_CAPTURI"))
            prompt.grab().save(qEnvironmentVariable("PRAVENT_CAPTURI") + "/introducere-hartie.png");
        prompt.Ok();
    });
    QCOMPARE(rezultat, int(QDialog::Accepted));
    QVERIFY(mesaje.Mesaje().isEmpty());
    QCOMPARE(aratate, QStringList({"0", "1,5"}));
    QCOMPARE(stanga, 0.0);
    QCOMPARE(sus, 1.5);
    const TCorectiePagina spate = setari.Corectie(TPaginaCertificat::Spate);
    QVERIFY2(qAbs(spate.ScaraX() - 0.995) < 1e-12, qPrintable(QString::number(spate.ScaraX(), 'g', 15)));
    QCOMPARE(spate.ScaraY(), 1.0);
    QCOMPARE(setari.Corectie(TPaginaCertificat::Fata).ScaraX(), 1.0);
}

QTEST_MAIN(TestInsertPaperForm)
#include "tst_insertpaperform.moc"
