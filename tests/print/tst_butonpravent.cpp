#include "editors/listacomuna.h"
#include "forms/butonformular.h"
#include "forms/formulardeprintat.h"
#include "forms/handlerformular.h"
#include "certificat/particularizaretextarea.h"
#include "print/handlerpravent.h"
#include "print/printpraventform.h"
#include "support/elevcomplet.h"
#include "support/mediutest.h"
#include "support/prompttest.h"

#include <QApplication>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

// What the modal form looked like while it was shown.
struct TAfisare {
    QWidget* Fereastra = nullptr;
    double ZoomFata = 0;
    double ZoomSpate = 0;
    QString Nume;
};

} // namespace

class TestButonPravent : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void handlerulInregistrat();
    void faraElevSelectat();
    void aDouaApasareRefolosesteFormularulLaZoom100();
    void eroareaNuArataFormularul();

private:
    // Presses the button; the form, if it is shown, is looked at and closed at once.
    TAfisare Apasa();

    std::unique_ptr<TMediuTest> m_mediu;
    std::unique_ptr<TPromptTest> m_prompt;
    std::unique_ptr<QTreeWidget> m_vt;
    std::unique_ptr<TButonFormular> m_buton;
};

void TestButonPravent::init()
{
    InregistreazaHandlerPravent();
    m_mediu = std::make_unique<TMediuTest>();
    UitaListaParticularizari();
    const int idElev = AdaugaElevComplet(m_mediu->PornesteDM());
    m_prompt = std::make_unique<TPromptTest>();
    m_vt = std::make_unique<QTreeWidget>();
    m_vt->addTopLevelItem(NodNou("POPESCU", idElev));
    m_buton = std::make_unique<TButonFormular>(
        TListaHandlerFormularDePrintat::Instanta().Handler(0), [this] { return IdSelectat(*m_vt); }, nullptr);
}

void TestButonPravent::cleanup()
{
    m_buton.reset();
    m_vt.reset();
    m_prompt.reset();
    UitaListaParticularizari();
    m_mediu.reset();
}

TAfisare TestButonPravent::Apasa()
{
    TAfisare afisare;
    QTimer::singleShot(0, [&afisare] {
        auto* formular = qobject_cast<TPrintPraventForm*>(QApplication::activeModalWidget());
        if (!formular)
            return;
        afisare = {formular, formular->Fata()->Zoom(), formular->Spate()->Zoom(),
                   formular->Fata()->FindAreaByNumber(36)->Text()};
        formular->reject();
    });
    m_buton->click();
    QCoreApplication::processEvents();
    return afisare;
}

void TestButonPravent::handlerulInregistrat()
{
    const TListaHandlerFormularDePrintat& handlere = TListaHandlerFormularDePrintat::Instanta();
    QCOMPARE(handlere.Count(), 1);
    QCOMPARE(handlere.Handler(0).Caption, QString("Pravent"));
    QCOMPARE(m_buton->text(), QString("Pravent"));
    QWidget proprietar;
    QDialog* formular = handlere.Handler(0).CreateForm(&proprietar);
    QVERIFY(qobject_cast<TPrintPraventForm*>(formular));
    QCOMPARE(formular->parent(), &proprietar);
}

void TestButonPravent::faraElevSelectat()
{
    QCOMPARE(Apasa().Fereastra, nullptr);
    QCOMPARE(m_prompt->Texte(TPromptTest::Fel::Informatie), QStringList{"Va rog selectati un elev!"});
    QVERIFY(!m_buton->Formular());
}

void TestButonPravent::aDouaApasareRefolosesteFormularulLaZoom100()
{
    m_vt->topLevelItem(0)->setSelected(true);
    const TAfisare prima = Apasa();
    QVERIFY(prima.Fereastra);
    QCOMPARE(prima.Fereastra, m_buton->Formular());
    QCOMPARE(prima.Nume, QString("POPESCU ANA MARIA"));

    auto* formular = static_cast<TPrintPraventForm*>(m_buton->Formular());
    formular->Mareste();
    formular->Taburi()->setCurrentIndex(1);
    formular->Micsoreaza();
    formular->Fata()->FindAreaByNumber(36)->SetText("altceva");
    const TAfisare aDoua = Apasa();
    QCOMPARE(aDoua.Fereastra, prima.Fereastra);
    QCOMPARE(aDoua.ZoomFata, 100.0);
    QCOMPARE(aDoua.ZoomSpate, 100.0);
    QCOMPARE(aDoua.Nume, QString("POPESCU ANA MARIA"));
    QVERIFY(m_prompt->Mesaje().isEmpty());
}

void TestButonPravent::eroareaNuArataFormularul()
{
    m_vt->topLevelItem(0)->setSelected(true);
    QVERIFY(Apasa().Fereastra);
    auto* formular = static_cast<TPrintPraventForm*>(m_buton->Formular());
    formular->Spate()->FindAreaByNumber(7)->SetDenumire1("PV.SPATE.C_FOO");

    QCOMPARE(Apasa().Fereastra, nullptr);
    QCOMPARE(m_prompt->Texte(TPromptTest::Fel::Eroare),
             QStringList{"FormularTextArea7.TFormularTextArea face referire la campul inexistent PV.SPATE.C_FOO"});
    QVERIFY(!m_mediu->DM().Tr().Active());
}

QTEST_MAIN(TestButonPravent)
#include "tst_butonpravent.moc"
