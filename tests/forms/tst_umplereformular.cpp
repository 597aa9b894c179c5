#include "base/eroare.h"
#include "base/infoglobal2005.h"
#include "forms/formulardeprintat.h"
#include "certificat/particularizaretextarea.h"
#include "forms/umplereformular.h"
#include "print/printpraventform.h"
#include "print/scrienotainformular.h"
#include "support/datetest.h"
#include "support/elevcomplet.h"
#include "support/mediutest.h"
#include "support/prompttest.h"

#include <QtTest>

class TestUmplereFormular : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void valoriSiFelii();
    void paginaResetata();
    void eroriLasaFormularulCumAFost_data();
    void eroriLasaFormularulCumAFost();
    void notaCuDenumire3LaLitereMici();
    void faraNota();
    void textCareNuEsteNotaLasaZoneleGoale_data();
    void textCareNuEsteNotaLasaZoneleGoale();
    void numeleDinAvertismentPeUnRand();

private:
    QString Fata(int n) const { return m_formular->Fata()->FindAreaByNumber(n)->Text(); }
    QString Spate(int n) const { return m_formular->Spate()->FindAreaByNumber(n)->Text(); }
    // The error of a filling that must fail.
    QString EroareaUmplerii();

    std::unique_ptr<TMediuTest> m_mediu;
    std::unique_ptr<TPrintPraventForm> m_formular;
    int m_idElev = -1;
};

void TestUmplereFormular::init()
{
    m_mediu = std::make_unique<TMediuTest>();
    UitaListaParticularizari();
    m_idElev = AdaugaElevComplet(m_mediu->PornesteDM());
    TInfoGlobal2005().setNotaDiploma(QStringLiteral("NOTA/LITERE"));
    m_formular = std::make_unique<TPrintPraventForm>();
}

void TestUmplereFormular::cleanup()
{
    m_formular.reset();
    UitaListaParticularizari();
    m_mediu.reset();
}

QString TestUmplereFormular::EroareaUmplerii()
{
    try {
        UmpleFormular(*m_formular, m_idElev, ScrieNotaInFormular);
    } catch (const EEroare& e) {
        return e.Mesaj();
    }
    return QStringLiteral("(nicio eroare)");
}

void TestUmplereFormular::valoriSiFelii()
{
    TFormularDePrintat& fata = *m_formular->Fata();
    fata.FindAreaByNumber(1)->SetDenumire2("3");
    fata.FindAreaByNumber(1)->SetDenumire3("4");
    fata.FindAreaByNumber(2)->SetDenumire2("-2");
    fata.FindAreaByNumber(2)->SetDenumire3("3");
    fata.FindAreaByNumber(6)->SetDenumire2("5");
    fata.FindAreaByNumber(6)->SetDenumire3("0");
    fata.FindAreaByNumber(36)->SetDenumire2("17");
    fata.FindAreaByNumber(36)->SetDenumire3("5");
    UmpleFormular(*m_formular, m_idElev, ScrieNotaInFormular);

    QString cnp;
    for (int n = 11; n <= 23; ++n)
        cnp += Fata(n);
    QCOMPARE(cnp, QString("2960523123456"));
    QCOMPARE(Fata(17), QString("3"));
    QCOMPARE(Fata(1), QString("PESC"));
    QCOMPARE(Fata(2), QString("ANA"));
    QCOMPARE(Fata(6), QString());
    QCOMPARE(Fata(36), QString("A"));
    QCOMPARE(Fata(84), QString("Dra."));
    // The school's values reach the pupil's certificate.
    QCOMPARE(Fata(31), QString("Scoala Gimnaziala Nr. 5"));
    QCOMPARE(Spate(57), QString("Scoala Gimnaziala"));
    QCOMPARE(Spate(74), QString("7,25"));
    QCOMPARE(Fata(25), QString("iunie 2026"));
    // Areas without a field are left to their override texts.
    QCOMPARE(Fata(29), QString());
    QCOMPARE(Spate(89), QString());

    // A short value: the 7th character is not there; position 0 counts as the first.
    const int scurt = AdaugaInregistrare(m_mediu->DM(), "ELEVI");
    ScrieValoare(m_mediu->DM(), "ELEVI", scurt, "PV.FATA.C_CNP", "12345");
    fata.FindAreaByNumber(12)->SetDenumire2("0");
    UmpleFormular(*m_formular, scurt, ScrieNotaInFormular);
    QCOMPARE(Fata(17), QString());
    QCOMPARE(Fata(15), QString("5"));
    QCOMPARE(Fata(12), QString("1"));
    QCOMPARE(Fata(1), QString());
    QVERIFY(!m_mediu->DM().Tr().Active());
}

void TestUmplereFormular::paginaResetata()
{
    TFormularDePrintat& spate = *m_formular->Spate();
    spate.SetZoom(150);
    spate.SetTextAreaTransparent(false);
    ReseteazaPagina(spate);
    QCOMPARE(spate.Zoom(), 100.0);
    QVERIFY(spate.TextAreaTransparent());
    QCOMPARE(Spate(123), QString("<123>"));
    QCOMPARE(Spate(7), QString("<7>"));

    spate.SetZoom(150);
    UmpleFormular(*m_formular, m_idElev, ScrieNotaInFormular);
    QCOMPARE(spate.Zoom(), 100.0);
    QCOMPARE(Spate(7), QString("maghiara"));
}

void TestUmplereFormular::eroriLasaFormularulCumAFost_data()
{
    QTest::addColumn<int>("arie");
    QTest::addColumn<QString>("denumire1");
    QTest::addColumn<QString>("denumire2");
    QTest::addColumn<QString>("denumire3");
    QTest::addColumn<QString>("mesaj");
    QTest::newRow("denumire2") << 11 << "PV.FATA.C_CNP" << "abc" << ""
                               << "FormularTextArea11.TFormularTextArea are denumire2=\"abc\" (adica nu un numar)";
    QTest::newRow("denumire3") << 11 << "PV.FATA.C_CNP" << "1" << "7x"
                               << "FormularTextArea11.TFormularTextArea are Denumire3=\"7x\" (adica nu un numar)";
    QTest::newRow("denumire3 fara denumire2")
        << 11 << "PV.FATA.C_CNP" << "" << "abc"
        << "FormularTextArea11.TFormularTextArea are Denumire3=\"abc\" (adica nu un numar)";
    QTest::newRow("camp inexistent")
        << 11 << "PV.FATA.C_FOO" << "" << ""
        << "FormularTextArea11.TFormularTextArea face referire la campul inexistent PV.FATA.C_FOO";
    QTest::newRow("referinta fara camp") << 11 << "PV" << "" << ""
                                         << "FormularTextArea11.TFormularTextArea face referire la campul inexistent PV..";
    QTest::newRow("fel de nota necunoscut")
        << 11 << "PV.SPATE.C_MATEMATICA" << "" << "NOTA"
        << "FormularTextArea11.TFormularTextArea specifica un camp \"NOTA\" cu Denumire3 = \"NOTA\"; Denumire3 ar "
           "trebui sa fie NOTA_DIPLOMA, NOTA_COTOR, MEDIE_DIPLOMA sau MEDIE_COTOR!";
}

void TestUmplereFormular::eroriLasaFormularulCumAFost()
{
    QFETCH(int, arie);
    QFETCH(QString, denumire1);
    QFETCH(QString, denumire2);
    QFETCH(QString, denumire3);
    QFETCH(QString, mesaj);
    UmpleFormular(*m_formular, m_idElev, ScrieNotaInFormular);
    QCOMPARE(Spate(57), QString("Scoala Gimnaziala"));
    TFormularTextArea& gresita = *m_formular->Fata()->FindAreaByNumber(arie);
    gresita.SetDenumire1(denumire1);
    gresita.SetDenumire2(denumire2);
    gresita.SetDenumire3(denumire3);
    m_formular->Spate()->FindAreaByNumber(57)->SetText("de dinainte");

    QCOMPARE(EroareaUmplerii(), mesaj);
    QVERIFY(!m_mediu->DM().Tr().Active());
    // Areas before the faulty one are filled, the later ones of its page numbered, and the
    // next page untouched.
    QCOMPARE(Fata(1), QString("POPESCU"));
    QCOMPARE(Fata(12), QString("<12>"));
    QCOMPARE(Fata(85), QString("<85>"));
    QCOMPARE(Spate(57), QString("de dinainte"));
}

void TestUmplereFormular::notaCuDenumire3LaLitereMici()
{
    TFormularDePrintat& spate = *m_formular->Spate();
    spate.FindAreaByNumber(70)->SetDenumire3("nota_diploma ");
    spate.FindAreaByNumber(71)->SetDenumire3("Nota_Diploma ");
    UmpleFormular(*m_formular, m_idElev, ScrieNotaInFormular);
    QCOMPARE(Spate(70), QString("9,50"));
    QVERIFY(spate.FindAreaByNumber(71)->isVisibleTo(&spate));
    const QString litere = Spate(71);
    QVERIFY2(!litere.trimmed().isEmpty() && !litere.contains(u'9'), qPrintable(litere));
    QCOMPARE(Spate(74), QString("7,25"));

    // Paired only when Denumire3 is the same but for the letter case: the trailing blank
    // counts, so each area writes the whole mark alone.
    spate.FindAreaByNumber(71)->SetDenumire3("NOTA_DIPLOMA");
    UmpleFormular(*m_formular, m_idElev, ScrieNotaInFormular);
    QVERIFY2(Spate(70).startsWith("9,50 ("), qPrintable(Spate(70)));
    QCOMPARE(Spate(71), Spate(70));
}

void TestUmplereFormular::faraNota()
{
    const int idElev = AdaugaInregistrare(m_mediu->DM(), "ELEVI");
    UmpleFormular(*m_formular, idElev, ScrieNotaInFormular);
    QCOMPARE(Spate(74), QString("----"));
    QCOMPARE(Spate(75), QString(" "));
    QCOMPARE(Spate(8), QString("----"));
    QCOMPARE(Spate(108), QString("----"));
}

void TestUmplereFormular::textCareNuEsteNotaLasaZoneleGoale_data()
{
    QTest::addColumn<QString>("text");
    for (const char* text : {"-3", "12", "1e5", "10,50", ",75", "abc", "1844674407370963"})
        QTest::newRow(text) << text;
}

void TestUmplereFormular::textCareNuEsteNotaLasaZoneleGoale()
{
    QFETCH(QString, text);
    ExecutaSql(m_mediu->DM(), QStringLiteral("UPDATE \"DATE\" SET VALOARE_TEXT='%1' WHERE COD_CAMP='C_MATEMATICA'").arg(text));
    ExecutaSql(m_mediu->DM(), "UPDATE \"DATE\" SET VALOARE_TEXT='' WHERE COD_CAMP='C_OPT_NOTA'");
    TPromptTest prompt;
    UmpleFormular(*m_formular, m_idElev, ScrieNotaInFormular);
    int goale = 0;
    for (const TFormularTextArea* arie : m_formular->Spate()->Arii()) {
        if (!arie->Denumire1().endsWith("_MATEMATICA", Qt::CaseInsensitive))
            continue;
        QVERIFY2(arie->Text().isEmpty(), qPrintable(arie->objectName() + ": " + arie->Text()));
        ++goale;
    }
    QVERIFY(goale >= 2);
    // The other marks are written as always, and an empty mark stays an empty mark, silently.
    QVERIFY2(Spate(70).startsWith("9,50"), qPrintable(Spate(70)));
    QCOMPARE(Spate(76), QString("----"));
    const QStringList mesaje = prompt.Texte(TPromptTest::Fel::Avertisment);
    QCOMPARE(mesaje.size(), 1);
    QVERIFY2(mesaje.at(0).startsWith("Elevul POPESCU ANA MARIA"), qPrintable(mesaje.at(0)));
    QVERIFY2(mesaje.at(0).contains("PV.SPATE.C_MATEMATICA: \"" + text + "\""), qPrintable(mesaje.at(0)));
    QVERIFY(!mesaje.at(0).contains("C_OPT_NOTA"));
    QVERIFY(prompt.Mesaje().size() == 1);
    QVERIFY(!m_mediu->DM().Tr().Active());
    // Told again at the next filling, once.
    UmpleFormular(*m_formular, m_idElev, ScrieNotaInFormular);
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Avertisment).size(), 2);
}

// A name holding control characters is escaped in the warning as --list-pupils escapes it:
// on the console (--print-pdf) it must not break or forge lines.
void TestUmplereFormular::numeleDinAvertismentPeUnRand()
{
    ExecutaSql(m_mediu->DM(), "UPDATE \"DATE\" SET VALOARE_TEXT='abc' WHERE COD_CAMP='C_MATEMATICA'");
    ExecutaSql(m_mediu->DM(), "UPDATE \"DATE\" SET VALOARE_TEXT='POP' || ASCII_CHAR(9) || 'ESCU' || ASCII_CHAR(10) || "
                              "'Elevul X' WHERE COD_CAMP='C_NUME'");
    TPromptTest prompt;
    UmpleFormular(*m_formular, m_idElev, ScrieNotaInFormular);
    const QString mesaj = prompt.Texte(TPromptTest::Fel::Avertisment).value(0);
    QVERIFY2(mesaj.startsWith("Elevul POP\\tESCU\\nElevul X"), qPrintable(mesaj));
    const QString primaLinie = mesaj.section(u'\n', 0, 0);
    QVERIFY2(primaLinie.contains("(numarul") && !primaLinie.contains(u'\t'), qPrintable(primaLinie));
}

QTEST_MAIN(TestUmplereFormular)
#include "tst_umplereformular.moc"
