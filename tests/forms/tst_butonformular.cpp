#include "editors/listaelevi.h"
#include "forms/butonformular.h"
#include "forms/handlerformular.h"
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
};

void TestButonFormular::initTestCase()
{
    auto primul = std::make_unique<THandlerTest>("Pravent");
    m_primul = primul.get();
    TListaHandlerFormularDePrintat::Instanta().Adauga(std::move(primul));
    TListaHandlerFormularDePrintat::Instanta().Adauga(std::make_unique<THandlerTest>("Al doilea"));
}

void TestButonFormular::butoaneDupaRegistru()
{
    TListaElevi lista;
    const QList<TButonFormular*>& butoane = lista.ButoaneFormular();
    QCOMPARE(butoane.size(), 2);
    QCOMPARE(butoane.at(0)->text(), QString("Pravent"));
    QCOMPARE(butoane.at(0)->geometry(), QRect(4, 4, 128, 40));
    QCOMPARE(butoane.at(1)->geometry(), QRect(136, 4, 128, 40));
    QCOMPARE(&butoane.at(1)->Handler(), &TListaHandlerFormularDePrintat::Instanta().Handler(1));
    QCOMPARE(lista.Panel2()->width(), 272);
}

void TestButonFormular::apasare()
{
    TMediuTest mediu;
    TDM& dm = mediu.PornesteDM();
    TPromptTest prompt;
    AdaugaInregistrare(dm, "ELEVI");
    TListaElevi lista;
    lista.Reincarca();
    TButonFormular* buton = lista.ButoaneFormular().at(0);
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
