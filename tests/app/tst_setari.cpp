// Settings objects mirrored in the settings store, and the "Format note" dialog over them.
#include "app/editorconfigglobal.h"
#include "base/infoglobal2005.h"
#include "support/mediutest.h"
#include "support/prompttest.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QRadioButton>
#include <QSettings>
#include <QtTest>

namespace {

// A descendant with every kind of property: its own, an inherited one it shadows, and kinds
// that are never stored.
class TSetariBaza : public TBrvRegistryClass {
    Q_OBJECT
    Q_PROPERTY(QString Nume MEMBER m_numeBaza)
    Q_PROPERTY(int Numar MEMBER m_numarBaza)
public:
    using TBrvRegistryClass::TBrvRegistryClass;
    QString m_numeBaza = "baza";
    int m_numarBaza = 0;
};

class TSetariTest final : public TSetariBaza {
    Q_OBJECT
    Q_PROPERTY(QString nume MEMBER m_nume)
    Q_PROPERTY(bool Activ MEMBER m_activ)
    Q_PROPERTY(double Marja MEMBER m_marja)
    Q_PROPERTY(QStringList Lista MEMBER m_lista)
public:
    TSetariTest() : TSetariBaza("2006/Test") { Incarca(); }
    ~TSetariTest() override { Salveaza(); }
    QString m_nume;
    bool m_activ = false;
    double m_marja = 0;
    QStringList m_lista;
};

QStringList Chei(const QString& grup)
{
    QSettings setari = DeschideSetari();
    setari.beginGroup(grup);
    QStringList chei = setari.childKeys();
    chei.sort();
    return chei;
}

QString Valoare(const QString& grup, const QString& cheie)
{
    QSettings setari = DeschideSetari();
    setari.beginGroup(grup);
    return setari.value(cheie).toString();
}

} // namespace

class TestSetari : public QObject {
    Q_OBJECT
private slots:
    void proprietatiSortateFaraDubluri();
    void doarTipurileStocateSuntScrise();
    void optiunileGlobaleSeIncarcaSiSeScriu();
    void dialogulPeCheieGoalaScrieValorileImpliciteLaDeschidere();
    void okScrieAlegerileUtilizatorului();
    void listaFaraSelectieOpresteOkDarPastreazaCeeaCeAFostAtribuit();
    void listaStricataNuArataExemplulSiEsteNumita();
};

void TestSetari::proprietatiSortateFaraDubluri()
{
    TMediuTest mediu;
    TSetariTest setari;
    TBrvRTTIShell shell(&setari);
    QStringList nume;
    for (int i = 0; i < shell.Count(); ++i)
        nume << shell.Nume(i);
    // "nume" of the class hides "Nume" of its ancestor: the first occurrence, the class's own, wins.
    QCOMPARE(nume, (QStringList{"Activ", "Lista", "Marja", "Numar", "nume"}));
}

void TestSetari::doarTipurileStocateSuntScrise()
{
    TMediuTest mediu;
    {
        TSetariTest setari;
        setari.m_nume = "Ana";
        setari.m_activ = true;
        setari.m_marja = 1.5;
        setari.m_lista = QStringList{"a"};
        setari.m_numarBaza = 7;
    }
    QCOMPARE(Chei("2006/Test"), (QStringList{"Activ", "Numar", "nume"}));
    QCOMPARE(Valoare("2006/Test", "Activ"), QString("1"));
    {
        TSetariTest setari;
        QCOMPARE(setari.m_nume, QString("Ana"));
        QCOMPARE(setari.m_activ, true);
        QCOMPARE(setari.m_numarBaza, 7);
        QCOMPARE(setari.m_marja, 0.0);
        QCOMPARE(setari.m_numeBaza, QString("baza"));
    }
}

void TestSetari::optiunileGlobaleSeIncarcaSiSeScriu()
{
    TMediuTest mediu;
    { TInfoGlobal2005 optiuni; }
    // A holder that changed nothing still writes all seven values, empty.
    QCOMPARE(Chei("2006/Global"), (QStringList{"MedieCotor", "MedieDiploma", "NotaCotor", "NotaDiploma",
                                               "ScriuCuLitereMari", "SufixBaieti", "SufixFete"}));
    QCOMPARE(Valoare("2006/Global", "NotaDiploma"), QString());
    {
        TInfoGlobal2005 optiuni;
        optiuni.setNotaCotor("NOTA/PROCENT");
    }
    TInfoGlobal2005 optiuni;
    QCOMPARE(optiuni.NotaCotor(), QString("NOTA/PROCENT"));
}

void TestSetari::dialogulPeCheieGoalaScrieValorileImpliciteLaDeschidere()
{
    TMediuTest mediu;
    {
        TEditorConfigGlobal dialog;
        QCOMPARE(dialog.RzComboBox1()->currentText(), QString("dra"));
        QCOMPARE(dialog.RzComboBox2()->currentText(), QString("domnul"));
        QCOMPARE(dialog.RzComboBox3()->currentText(), QString("NOTA/LITERE"));
        QCOMPARE(dialog.RzComboBox4()->currentText(), QString("NOTA/LITERE"));
        QCOMPARE(dialog.RzComboBox5()->currentText(), QString("NOTA(PROCENT)"));
        QCOMPARE(dialog.RzComboBox6()->currentText(), QString("NOTA(PROCENT)"));
        QVERIFY(dialog.RzRadioButton1()->isChecked());
        QCOMPARE(dialog.RzComboBox3()->view()->sizeHintForRow(0), 32);
        dialog.Renunt();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    QCOMPARE(Valoare("2006/Global", "NotaDiploma"), QString("NOTA/LITERE"));
    QCOMPARE(Valoare("2006/Global", "MedieDiploma"), QString("NOTA/LITERE"));
    QCOMPARE(Valoare("2006/Global", "NotaCotor"), QString("NOTA(PROCENT)"));
    QCOMPARE(Valoare("2006/Global", "MedieCotor"), QString("NOTA(PROCENT)"));
    QCOMPARE(Valoare("2006/Global", "SufixFete"), QString());
    QCOMPARE(Valoare("2006/Global", "SufixBaieti"), QString());
    QCOMPARE(Valoare("2006/Global", "ScriuCuLitereMari"), QString());
}

void TestSetari::okScrieAlegerileUtilizatorului()
{
    TMediuTest mediu;
    TEditorConfigGlobal dialog;
    dialog.RzComboBox3()->setCurrentText("NOTA");
    dialog.RzComboBox6()->setCurrentText("NOTA/PROCENT");
    dialog.RzComboBox1()->setEditText("doamna");
    dialog.RzRadioButton2()->setChecked(true);
    dialog.Ok();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    TInfoGlobal2005 optiuni;
    QCOMPARE(optiuni.NotaDiploma(), QString("NOTA"));
    QCOMPARE(optiuni.MedieCotor(), QString("NOTA/PROCENT"));
    QCOMPARE(optiuni.SufixFete(), QString("doamna"));
    QCOMPARE(optiuni.ScriuCuLitereMari(), QString("0"));
    TEditorConfigGlobal redeschis;
    QVERIFY(redeschis.RzRadioButton2()->isChecked());
}

void TestSetari::listaFaraSelectieOpresteOkDarPastreazaCeeaCeAFostAtribuit()
{
    TMediuTest mediu;
    {
        TInfoGlobal2005 optiuni;
        optiuni.setNotaCotor("NECUNOSCUT");
    }
    TPromptTest prompt;
    TEditorConfigGlobal dialog;
    QCOMPARE(dialog.RzComboBox5()->currentIndex(), -1);
    dialog.RzComboBox3()->setCurrentText("NOTA");
    dialog.RzComboBox1()->setEditText("doamna");
    dialog.Ok();
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Eroare).size(), 1);
    QVERIFY(dialog.result() != int(QDialog::Accepted));
    TInfoGlobal2005 optiuni;
    QCOMPARE(optiuni.NotaDiploma(), QString("NOTA"));
    QCOMPARE(optiuni.SufixFete(), QString("doamna"));
    QCOMPARE(optiuni.NotaCotor(), QString("NECUNOSCUT"));
}

void TestSetari::listaStricataNuArataExemplulSiEsteNumita()
{
    TMediuTest mediu;
    {
        TInfoGlobal2005 optiuni;
        optiuni.setMedieCotor("NOTA LITERE");
    }
    TPromptTest prompt;
    TEditorConfigGlobal dialog;
    dialog.show();
    QComboBox* stricata = dialog.RzComboBox6();
    QCOMPARE(stricata->currentIndex(), -1);
    // The "NOTA" sample is the one a list without a choice used to show.
    const QImage faraAlegere = stricata->grab().toImage();
    stricata->setCurrentIndex(0);
    const QImage cuNota = stricata->grab().toImage();
    QVERIFY(faraAlegere != cuNota);
    stricata->setCurrentIndex(-1);
    QCOMPARE(stricata->grab().toImage(), faraAlegere);
    dialog.Ok();
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Eroare), QStringList{"Alegeti modul de scriere pentru \"Medie cotor\"."});
    QVERIFY(dialog.result() != int(QDialog::Accepted));
    QVERIFY(dialog.isVisible());
    stricata->setCurrentIndex(3);
    dialog.Ok();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(TInfoGlobal2005().MedieCotor(), QString("NOTA/LITERE"));
}

QTEST_MAIN(TestSetari)
#include "tst_setari.moc"
