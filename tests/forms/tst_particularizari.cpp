#include "forms/editortextformular.h"
#include "certificat/fluxetichete.h"
#include "certificat/fontformular.h"
#include "forms/formulardeprintat.h"
#include "certificat/particularizaretextarea.h"
#include "support/mediutest.h"
#include "support/prompttest.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>
#include <memory>

namespace {

QByteArray Octeti(std::initializer_list<int> valori)
{
    QByteArray octeti;
    for (int v : valori)
        octeti.append(static_cast<char>(v));
    return octeti;
}

QByteArray SirScurt(const QByteArray& text)
{
    return Octeti({6, static_cast<int>(text.size())}) + text;
}

QByteArray CitesteFisier(const QString& cale)
{
    QFile fisier(cale);
    return fisier.open(QIODevice::ReadOnly) ? fisier.readAll() : QByteArray();
}

void ScrieFisier(const QString& cale, const QByteArray& octeti)
{
    QFile fisier(cale);
    QVERIFY(fisier.open(QIODevice::WriteOnly));
    fisier.write(octeti);
}

// One version-2 record with every field empty or 0.
QByteArray InregistrareGoala(const QByteArray& formular, const QByteArray& arie)
{
    return Octeti({2, 2}) + SirScurt(formular) + SirScurt(arie) + Octeti({2, 0, 2, 0, 2, 0}) + SirScurt("")
        + SirScurt("") + Octeti({2, 0, 2, 0}) + SirScurt("");
}

} // namespace

class TestParticularizari : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void renuntCreeazaInregistrareaGoala();
    void clicPeArieDeschideEditorul();
    void siruriSiIntregiInFormaCeaMaiScurta();
    void versiuneVecheCititaSiScrisaCaDoi();
    void ultimaInregistrarePotrivitaCastiga();
    void fisierNecititPusDeoparte();
    void formatInvalid();
    void editorulScrieAlegerile();
    void salvareaPeDiscPlinPastreazaFisierul();
    void deplasariExtremeLimitate();

private:
    QString CaleFisier() const { return m_mediu->Dosar() + "/licenta.lic"; }
    TFormularTextArea* Arie(const QString& nume);

    std::unique_ptr<TMediuTest> m_mediu;
    std::unique_ptr<QWidget> m_formular;
    TFormularDePrintat* m_pagina = nullptr;
};

void TestParticularizari::init()
{
    m_mediu = std::make_unique<TMediuTest>(false);
    UitaListaParticularizari();
    m_formular = std::make_unique<QWidget>();
    m_formular->setObjectName("PrintPraventForm");
    m_pagina = new TFormularDePrintat(m_formular.get());
}

void TestParticularizari::cleanup()
{
    m_formular.reset();
    UitaListaParticularizari();
    m_mediu.reset();
}

TFormularTextArea* TestParticularizari::Arie(const QString& nume)
{
    auto* area = new TFormularTextArea(m_pagina);
    area->setObjectName(nume);
    return area;
}

void TestParticularizari::renuntCreeazaInregistrareaGoala()
{
    TFormularTextArea* area = Arie("FormularTextArea36");
    EditeazaTextArea(*area, [](TEditorTextFormular& editor) { editor.Renunt(); });
    const QByteArray asteptat = Octeti({2, 0, 2, 1}) + InregistrareGoala("PrintPraventForm", "FormularTextArea36");
    QCOMPARE(CitesteFisier(CaleFisier()), asteptat);
    QCOMPARE(ListaParticularizari().Numar(), 1);
}

void TestParticularizari::clicPeArieDeschideEditorul()
{
    TFormularTextArea* area = Arie("FormularTextArea4");
    area->setGeometry(0, 0, 50, 20);
    m_formular->show();
    QString titlu;
    QTimer::singleShot(0, [&titlu] {
        auto* editor = qobject_cast<TEditorTextFormular*>(QApplication::activeModalWidget());
        QVERIFY(editor);
        titlu = editor->windowTitle();
        editor->TextRedefinit()->setText("Din clic");
        editor->Ok();
    });
    QTest::mouseClick(area, Qt::LeftButton);
    QCOMPARE(titlu, QString("Informatii camp"));
    UitaListaParticularizari();
    QCOMPARE(area->Particularizare(false)->Text, QString("Din clic"));
}

void TestParticularizari::siruriSiIntregiInFormaCeaMaiScurta()
{
    TScriitorEtichete scriitor;
    scriitor.Intreg(-128);
    scriitor.Intreg(128);
    scriitor.Intreg(-32769);
    scriitor.Sir(QString::fromUtf8("Ş"));
    scriitor.Sir(QString(300, 'a'));
    const QByteArray asteptat = Octeti({2, 0x80, 3, 0x80, 0x00, 4, 0xFF, 0x7F, 0xFF, 0xFF, 20, 2, 0, 0, 0, 0xC5, 0x9E,
                                        12, 0x2C, 0x01, 0, 0})
        + QByteArray(300, 'a');
    QCOMPARE(scriitor.Octeti(), asteptat);

    TCititorEtichete cititor(scriitor.Octeti());
    QCOMPARE(cititor.Intreg(), -128);
    QCOMPARE(cititor.Intreg(), 128);
    QCOMPARE(cititor.Intreg(), -32769);
    QCOMPARE(cititor.Sir(), QString::fromUtf8("Ş"));
    QCOMPARE(cititor.Sir(), QString(300, 'a'));
    QVERIFY_THROWS_EXCEPTION(EEroare, cititor.Intreg());

    // A text with a Romanian letter goes through the file as UTF-8.
    TParticularizareTextArea p;
    p.NumeFormular = "PrintPraventForm";
    p.NumeArie = "FormularTextArea88";
    p.Text = QString::fromUtf8("Ştefan Ţurcanu");
    ListaParticularizari().Adauga(p);
    ListaParticularizari().Save();
    QVERIFY(CitesteFisier(CaleFisier()).contains(Octeti({20, 16, 0, 0, 0}) + p.Text.toUtf8()));
    UitaListaParticularizari();
    QCOMPARE(ListaParticularizari().Inregistrare(0).Text, p.Text);
}

void TestParticularizari::versiuneVecheCititaSiScrisaCaDoi()
{
    // A version-1 record with an alignment in two bytes and the area name in UTF-16.
    const QByteArray numeUtf16 = Octeti({18, 3, 0, 0, 0, 'A', 0, 'r', 0, 'i', 0});
    const QByteArray vechi = Octeti({2, 0, 2, 1, 2, 1}) + SirScurt("PrintPraventForm") + numeUtf16
        + Octeti({3, 3, 0, 2, -1, 2, 1}) + SirScurt("Stanga") + SirScurt("Text");
    ScrieFisier(CaleFisier(), vechi);

    const TListaParticularizareTextArea lista(CaleFisier());
    QVERIFY(lista.EroareLaIncarcare().isEmpty());
    QCOMPARE(lista.Numar(), 1);
    const TParticularizareTextArea& r = lista.Inregistrare(0);
    QCOMPARE(r.NumeArie, QString("Ari"));
    QCOMPARE(r.Aliniere, 3);
    QCOMPARE(r.DeplasareOrizontala, -1);
    QCOMPARE(r.DeplasareVerticala, 1);
    QCOMPARE(r.NumeFont, QString("Stanga"));
    QCOMPARE(r.Text, QString("Text"));
    QCOMPARE(r.Italic, 0);
    QVERIFY(r.NumeFata.isEmpty());

    lista.Save();
    const QByteArray nou = Octeti({2, 0, 2, 1, 2, 2}) + SirScurt("PrintPraventForm") + SirScurt("Ari")
        + Octeti({2, 3, 2, -1, 2, 1}) + SirScurt("Stanga") + SirScurt("Text") + Octeti({2, 0, 2, 0}) + SirScurt("");
    QCOMPARE(CitesteFisier(CaleFisier()), nou);
}

void TestParticularizari::ultimaInregistrarePotrivitaCastiga()
{
    TFormularTextArea* area = Arie("FormularTextArea5");
    TParticularizareTextArea p;
    p.NumeFormular = "PrintPraventForm";
    p.NumeArie = "FormularTextArea5";
    p.Text = "primul";
    ListaParticularizari().Adauga(p);
    p.NumeArie = "formulartextarea5"; // names match exactly, case included
    p.Text = "alt caz";
    ListaParticularizari().Adauga(p);
    p.NumeArie = "FormularTextArea5";
    p.Text = "al doilea";
    ListaParticularizari().Adauga(p);

    QCOMPARE(area->Particularizare(false)->Text, QString("al doilea"));
    ListaParticularizari().Save();
    UitaListaParticularizari();
    QCOMPARE(ListaParticularizari().Numar(), 3);
    QCOMPARE(area->Particularizare(true)->Text, QString("al doilea"));
    QCOMPARE(ListaParticularizari().Numar(), 3);
}

void TestParticularizari::fisierNecititPusDeoparte()
{
    // Two good records, then a third cut short.
    const QByteArray stricat = Octeti({2, 0, 2, 3}) + InregistrareGoala("PrintPraventForm", "FormularTextArea1")
        + InregistrareGoala("PrintPraventForm", "FormularTextArea2") + Octeti({2, 2, 6, 40}) + "Print";
    ScrieFisier(CaleFisier(), stricat);

    TPromptTest prompt;
    QCOMPARE(ListaParticularizari().Numar(), 2);
    QCOMPARE(ListaParticularizari().Inregistrare(1).NumeArie, QString("FormularTextArea2"));
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Eroare).size(), 1);
    ListaParticularizari();
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Eroare).size(), 1);

    const QStringList deoparte = QDir(m_mediu->Dosar()).entryList({"licenta-necitibil-*.lic"});
    QCOMPARE(deoparte.size(), 1);
    const QString caleDeoparte = m_mediu->Dosar() + "/" + deoparte.first();
    QCOMPARE(ListaParticularizari().CaleFisierNecitit(), caleDeoparte);
    QVERIFY(prompt.Texte(TPromptTest::Fel::Eroare).first().contains(deoparte.first()));
    QCOMPARE(CitesteFisier(caleDeoparte), stricat);
    QVERIFY(!QFile::exists(CaleFisier()));

    // Work goes on with the records that were read; the damaged file stays as it was.
    Arie("FormularTextArea3")->Particularizare(true);
    UitaListaParticularizari();
    QCOMPARE(ListaParticularizari().Numar(), 3);
    QCOMPARE(CitesteFisier(caleDeoparte), stricat);

    // A second damaged file does not overwrite the first one set aside.
    ScrieFisier(CaleFisier(), stricat.left(10));
    UitaListaParticularizari();
    QCOMPARE(ListaParticularizari().Numar(), 0);
    QCOMPARE(QDir(m_mediu->Dosar()).entryList({"licenta-necitibil-*.lic"}).size(), 2);
}

void TestParticularizari::formatInvalid()
{
    TPromptTest prompt;
    ScrieFisier(CaleFisier(), Octeti({2, 1, 2, 0}));
    QVERIFY(TListaParticularizareTextArea(CaleFisier()).EroareLaIncarcare().contains("Invalid format"));
    ScrieFisier(CaleFisier(), Octeti({2, 0, 2, 1, 2, 3}));
    QVERIFY(TListaParticularizareTextArea(CaleFisier()).EroareLaIncarcare().contains("Invalid format"));
    ScrieFisier(CaleFisier(), Octeti({2, 0, 7, 1}));
    const TListaParticularizareTextArea lista(CaleFisier());
    QVERIFY(!lista.EroareLaIncarcare().isEmpty());
    QCOMPARE(lista.Numar(), 0);
}

void TestParticularizari::editorulScrieAlegerile()
{
    auto* primul = new TFontFormular(m_formular.get());
    primul->setObjectName("Primul");
    primul->SetDescrierePentruEditor("Arial bold 4");
    auto* alDoilea = new TFontFormular(m_formular.get());
    alDoilea->setObjectName("AlDoilea");
    TFormularTextArea* area = Arie("FormularTextArea7");
    area->SetFont(primul);
    area->SetSursaText({"Linia 1.", "Linia 2."});

    // Without a record the area's own font is preselected, and Ok fixes it in the record.
    EditeazaTextArea(*area, [](TEditorTextFormular& editor) {
        QCOMPARE(editor.windowTitle(), QString("Informatii camp"));
        QCOMPARE(editor.size(), QSize(597, 375));
        QCOMPARE(editor.Pagini()->tabText(2), QString("Asezare in pagina"));
        QCOMPARE(editor.Fonturi()->itemText(0), QString("Arial bold 4"));
        QCOMPARE(editor.Fonturi()->itemText(1), QString("AlDoilea"));
        QCOMPARE(editor.Fonturi()->currentIndex(), 0);
        QCOMPARE(editor.Sursa()->toPlainText(), QString("Linia 1.\nLinia 2."));
        QVERIFY(editor.FontImplicit()->isChecked());
        editor.Ok();
    });
    QCOMPARE(area->Particularizare(false)->NumeFont, QString("Primul"));

    TParticularizareTextArea& r = *area->Particularizare(false);
    r.NumeFont = "aldoilea"; // font names resolve without regard to case
    r.Aliniere = 2;
    r.DeplasareVerticala = -1;
    EditeazaTextArea(*area, [](TEditorTextFormular& editor) {
        QCOMPARE(editor.Fonturi()->currentIndex(), 1);
        QCOMPARE(editor.Aliniere()->checkedButton()->text(), QString("Centru"));
        QCOMPARE(editor.Vertical()->checkedButton()->text(), QString("Mai sus cu 0,5 mm"));
        QCOMPARE(editor.Orizontal()->checkedButton()->text(), QString("Implicit"));
        editor.TextRedefinit()->setText("Alt text");
        editor.ListaItalic()->setCurrentIndex(2);
        editor.ListaBold()->setCurrentIndex(1);
        editor.Aliniere()->buttons().at(3)->setChecked(true);
        editor.Orizontal()->buttons().at(1)->setChecked(true);
        editor.FontSpecificat()->setChecked(true);
        editor.Fete()->setCurrentItem(editor.Fete()->findItems("Liberation Serif", Qt::MatchExactly).value(0));
        editor.Ok();
    });

    UitaListaParticularizari();
    const TParticularizareTextArea* citita = area->Particularizare(false);
    QCOMPARE(citita->NumeFont, QString("AlDoilea"));
    QCOMPARE(citita->Font, alDoilea);
    QCOMPARE(citita->Text, QString("Alt text"));
    QCOMPARE(citita->Italic, 2);
    QCOMPARE(citita->Bold, 1);
    QCOMPARE(citita->Aliniere, 3);
    QCOMPARE(citita->DeplasareOrizontala, -1);
    QCOMPARE(citita->DeplasareVerticala, -1);
    QCOMPARE(citita->NumeFata, QString("Liberation Serif"));
    QCOMPARE(area->AspectEfectiv().Fata, QString("Liberation Serif"));
    QCOMPARE(area->AspectEfectiv().Font, alDoilea);
}

void TestParticularizari::salvareaPeDiscPlinPastreazaFisierul()
{
    const QString dosar = m_mediu->Dosar() + "/plin";
    QVERIFY(QDir().mkpath(dosar));
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", dosar}) != 0)
        QSKIP("a full disk needs a small tmpfs, which only root may mount");
    const auto demonteaza = qScopeGuard([dosar] { QProcess::execute("umount", {dosar}); });
    const QString cale = dosar + "/licenta.lic";
    ScrieFisier(cale, Octeti({2, 0, 2, 1}) + InregistrareGoala("PrintPraventForm", "FormularTextArea36"));
    const QByteArray vechi = CitesteFisier(cale);
    {
        // Fill what is left of the disk.
        QFile umplutura(dosar + "/umplutura");
        QVERIFY(umplutura.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray bloc(4096, 'x');
        while (umplutura.write(bloc) == bloc.size()) {
        }
    }
    TListaParticularizareTextArea lista(cale);
    QCOMPARE(lista.Numar(), 1);
    TParticularizareTextArea mare;
    mare.NumeFormular = "PrintPraventForm";
    mare.NumeArie = "FormularTextArea1";
    mare.Text = QString(3000, 'a');
    lista.Adauga(mare);
    try {
        lista.Save();
        QFAIL("a save onto a full disk must fail");
    } catch (const EEroare& e) {
        QVERIFY2(e.Mesaj().startsWith("Nu pot scrie fisierul " + cale), qPrintable(e.Mesaj()));
        QVERIFY2(e.Mesaj().endsWith("Fisierul anterior a fost pastrat."), qPrintable(e.Mesaj()));
    }
    QCOMPARE(CitesteFisier(cale), vechi);
    QCOMPARE(QDir(dosar).entryList(QDir::Files), (QStringList{"licenta.lic", "umplutura"}));
}

void TestParticularizari::deplasariExtremeLimitate()
{
    // Shifts of a million half-millimetres either way, in four bytes.
    const QByteArray extrem = Octeti({2, 0, 2, 1, 2, 2}) + SirScurt("PrintPraventForm") + SirScurt("Arie")
        + Octeti({2, 0, 4, 0x40, 0x42, 0x0f, 0x00, 4, 0xc0, 0xbd, 0xf0, 0xff}) + SirScurt("") + SirScurt("")
        + Octeti({2, 0, 2, 0}) + SirScurt("");
    ScrieFisier(CaleFisier(), extrem);
    const TListaParticularizareTextArea lista(CaleFisier());
    QVERIFY(lista.EroareLaIncarcare().isEmpty());
    QCOMPARE(lista.Inregistrare(0).DeplasareOrizontala, 1);
    QCOMPARE(lista.Inregistrare(0).DeplasareVerticala, -1);
}

QTEST_MAIN(TestParticularizari)
#include "tst_particularizari.moc"
