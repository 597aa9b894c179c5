#include "editors/listaelevi.h"
#include "forms/butonformular.h"
#include "forms/handlerformular.h"
#include "print/handlerpravent.h"
#include "support/datetest.h"
#include "support/mediutest.h"
#include "support/prompttest.h"

#include <QDialog>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

// A real dialog that closes itself once shown, counting how often it was shown.
class TFormularInchisSingur : public QDialog {
public:
    using QDialog::QDialog;
    int Afisari = 0;

protected:
    void showEvent(QShowEvent* event) override
    {
        QDialog::showEvent(event);
        ++Afisari;
        QTimer::singleShot(0, this, &QDialog::accept);
    }
};

class THandlerTest : public THandlerFormularDePrintat {
public:
    using THandlerFormularDePrintat::THandlerFormularDePrintat;
    mutable int Creari = 0;
    QDialog* CreateForm(QWidget* owner) const override
    {
        ++Creari;
        return new TFormularInchisSingur(owner);
    }
};

} // namespace

class TestButonFormular : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void butoaneDupaRegistru();
    void apasare();

private:
    THandlerTest* m_primul = nullptr;
    // The handlers the program registers itself come first.
    int m_inregistrate = 0;
};

void TestButonFormular::initTestCase()
{
    InregistreazaHandlerPravent(); // as the start-up does
    m_inregistrate = TListaHandlerFormularDePrintat::Instanta().Count();
    auto primul = std::make_unique<THandlerTest>("Primul");
    m_primul = primul.get();
    TListaHandlerFormularDePrintat::Instanta().Adauga(std::move(primul));
    TListaHandlerFormularDePrintat::Instanta().Adauga(std::make_unique<THandlerTest>("Al doilea"));
}

void TestButonFormular::butoaneDupaRegistru()
{
    TListaElevi lista;
    const QList<TButonFormular*>& butoane = lista.ButoaneFormular();
    QCOMPARE(butoane.size(), m_inregistrate + 2);
    QCOMPARE(butoane.at(0)->text(), QString("Pravent"));
    QCOMPARE(butoane.at(m_inregistrate)->text(), QString("Primul"));
    for (int i = 0; i < butoane.size(); ++i)
        QCOMPARE(butoane.at(i)->geometry(), QRect(4 + 132 * i, 4, 128, 40));
    QCOMPARE(&butoane.last()->Handler(), &TListaHandlerFormularDePrintat::Instanta().Handler(m_inregistrate + 1));
    QCOMPARE(lista.Panel2()->width(), 8 + 132 * butoane.size());
}

void TestButonFormular::apasare()
{
    TMediuTest mediu;
    TDM& dm = mediu.PornesteDM();
    TPromptTest prompt;
    AdaugaInregistrare(dm, "ELEVI");
    TListaElevi lista;
    lista.Reincarca();
    TButonFormular* buton = lista.ButoaneFormular().at(m_inregistrate);
    buton->Apasa();
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Informatie), QStringList{"Va rog selectati un elev!"});
    QCOMPARE(m_primul->Creari, 0);
    QVERIFY(!buton->Formular());

    lista.VT()->topLevelItem(0)->setSelected(true);
    buton->Apasa();
    buton->Apasa();
    QCOMPARE(m_primul->Creari, 1);
    QCOMPARE(buton->Formular()->parent(), buton);
    QCOMPARE(static_cast<TFormularInchisSingur*>(buton->Formular())->Afisari, 2);
}

QTEST_MAIN(TestButonFormular)
#include "tst_butonformular.moc"
