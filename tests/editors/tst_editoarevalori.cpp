// The record editors change no value the user did not change, and keep single-line values
// single-line and whole, in the real pupil dialog.
#include "base/citestenota.h"
#include "base/textunrand.h"
#include "editors/adaugaelev.h"
#include "editors/brvnumedit.h"
#include "editors/editorcampnota.h"
#include "editors/editorcampsimplu.h"
#include "editors/editorcamptext.h"
#include "editors/editorgenericcomplex.h"
#include "support/datetest.h"
#include "support/editorpentru.h"
#include "support/mediutest.h"
#include "support/prompttest.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>
#include <QtTest/qtestspontaneevent.h>

namespace {

QScrollArea* ZonaDerulata(QWidget* control)
{
    for (QWidget* w = control; w; w = w->parentWidget())
        if (auto* zona = qobject_cast<QScrollArea*>(w))
            return zona;
    return nullptr;
}

void Roteste(QWidget* control, int unghi)
{
    const QPointF centru = QRectF(control->rect()).center();
    QWheelEvent rotire(centru, control->mapToGlobal(centru), QPoint(), QPoint(0, unghi), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
    // As from the mouse: only a spontaneous wheel event travels on to the parents.
    QSpontaneKeyEvent::setSpontaneous(&rotire);
    qApp->notify(control, &rotire);
}

const QString Emoji = QString::fromUtf8("\xF0\x9F\x98\x80");

// Where the keyboard's keys go: the open suggestion list when there is one (it takes the
// keys first), otherwise the field that has the focus.
QWidget* TintaTastelor()
{
    return QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::focusWidget();
}

void Tasteaza(const QString& text)
{
    for (const QChar c : text)
        QTest::keyClick(TintaTastelor(), c.toLatin1());
}

void Apasa(Qt::Key tasta)
{
    QTest::keyClick(TintaTastelor(), tasta);
}

} // namespace

class TestEditoareValori : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void rotitaSiSagetileNuSchimbaTextul();
    void textulTastatEsteCelSalvat();
    void okFaraModificariPastreazaNotele();
    void notaCuPreaMulteCifreEsteRefuzata();
    void liniaNouaLipitaDevineBlanc();
    void limitaDeCaractereNuTaieUnCaracter();
    void taiereaLaCaractere_data();
    void taiereaLaCaractere();
    void tabSiEnterCuListaDeschisaMergMaiDeparte();
    void escapeCuModificariIntreaba();

private:
    // The pupil dialog of m_elev, shown and small enough for its page to scroll.
    std::unique_ptr<TAdaugaElev> Dialog(bool nou = false)
    {
        auto dialog = std::make_unique<TAdaugaElev>();
        if (nou)
            dialog->PregatesteNou();
        else
            dialog->PregatesteExistent(m_elev);
        dialog->resize(520, 200);
        dialog->show();
        // Completion, like the user's typing, works in the active window.
        QApplication::setActiveWindow(dialog.get());
        if (!QTest::qWaitForWindowActive(dialog.get()))
            qWarning("the pupil dialog did not become active");
        return dialog;
    }
    QString Stocat(const QString& camp)
    {
        return ColoanaSql(*m_dm, QStringLiteral("SELECT VALOARE_TEXT FROM \"DATE\" WHERE ID_ELEVI=%1 AND COD_CAMP='%2'")
                                     .arg(m_elev)
                                     .arg(camp))
            .value(0);
    }

    std::unique_ptr<TMediuTest> m_mediu;
    // Answers Yes to the empty personal code every save asks about, and keeps the warnings.
    std::unique_ptr<TPromptTest> m_prompt;
    TDM* m_dm = nullptr;
    int m_elev = 0;
};

void TestEditoareValori::init()
{
    if (QByteArray(QTest::currentTestFunction()) == "taiereaLaCaractere")
        return;
    m_mediu = std::make_unique<TMediuTest>();
    m_prompt = std::make_unique<TPromptTest>();
    m_dm = &m_mediu->PornesteDM();
    const int altul = AdaugaInregistrare(*m_dm, "ELEVI");
    for (const char* nume : {"Popescu", "Ioana", "Ion"})
        ScrieValoare(*m_dm, "ELEVI", altul, "PV.FATA.C_PRENUME", nume);
    ScrieValoare(*m_dm, "ELEVI", altul, "PV.FATA.C_NUME", "Popescu");
    m_elev = AdaugaInregistrare(*m_dm, "ELEVI");
    ScrieValoare(*m_dm, "ELEVI", m_elev, "PV.FATA.C_NUME", "Pop");
}

void TestEditoareValori::cleanup()
{
    m_prompt.reset();
    m_mediu.reset();
}

void TestEditoareValori::rotitaSiSagetileNuSchimbaTextul()
{
    auto dialog = Dialog();
    QComboBox* nume = EditorPentru<TEditorCampText>(*dialog->Pagina(), "C_NUME")->RzComboBox1();
    QScrollArea* zona = ZonaDerulata(nume);
    QVERIFY(zona);
    QVERIFY(zona->verticalScrollBar()->maximum() > 0);
    Roteste(nume, -120);
    QCOMPARE(nume->currentText(), QString("Pop"));
    // The wheel scrolls the page instead.
    QVERIFY(zona->verticalScrollBar()->value() > 0);
    nume->setFocus();
    for (const Qt::Key tasta : {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_PageUp})
        QTest::keyClick(nume, tasta);
    QCOMPARE(nume->currentText(), QString("Pop"));
    dialog->Ok();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(Stocat("C_NUME"), QString("Pop"));
}

void TestEditoareValori::textulTastatEsteCelSalvat()
{
    auto dialog = Dialog();
    QComboBox* prenume = EditorPentru<TEditorCampText>(*dialog->Pagina(), "C_PRENUME")->RzComboBox1();
    QComboBox* nume = EditorPentru<TEditorCampText>(*dialog->Pagina(), "C_NUME")->RzComboBox1();
    prenume->setFocus();
    QTest::keyClicks(prenume, "Ioan");
    QCOMPARE(prenume->currentText(), QString("Ioan"));
    nume->setFocus();
    nume->lineEdit()->selectAll();
    QTest::keyClicks(nume, "po");
    QCOMPARE(nume->currentText(), QString("po"));
    dialog->Ok();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(Stocat("C_PRENUME"), QString("Ioan"));
    QCOMPARE(Stocat("C_NUME"), QString("po"));
}

void TestEditoareValori::okFaraModificariPastreazaNotele()
{
    const QStringList stocate = {"8,125", "9.5", "0", "9,666666667", " 7,5 "};
    const QStringList campuri = {"C_MATEMATICA", "C_LB_ROMANA", "C_OPT_NOTA", "C_MEDIA_GEN", "C_LB_MATERNA_NOTA"};
    for (int i = 0; i < campuri.size(); ++i)
        ScrieValoare(*m_dm, "ELEVI", m_elev, "PV.SPATE." + campuri.at(i), stocate.at(i));
    auto dialog = Dialog();
    QCOMPARE(EditorPentru<TEditorCampNota>(*dialog->Pagina(), "C_MATEMATICA")->BrvNumEdit1()->text(), QString("8,12"));
    dialog->Ok();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    for (int i = 0; i < campuri.size(); ++i)
        QCOMPARE(Stocat(campuri.at(i)), stocate.at(i));

    // A mark the user did type is stored as typed.
    auto aDoua = Dialog();
    TBrvNumEdit* nota = EditorPentru<TEditorCampNota>(*aDoua->Pagina(), "C_MATEMATICA")->BrvNumEdit1();
    nota->selectAll();
    QTest::keyClicks(nota, "9.5");
    // Typed again as it shows, it is the user's value too.
    TBrvNumEdit* media = EditorPentru<TEditorCampNota>(*aDoua->Pagina(), "C_MEDIA_GEN")->BrvNumEdit1();
    QCOMPARE(media->text(), QString("9,66"));
    media->selectAll();
    QTest::keyClicks(media, "9,66");
    aDoua->Ok();
    QCOMPARE(Stocat("C_MATEMATICA"), QString("9,5"));
    QCOMPARE(Stocat("C_MEDIA_GEN"), QString("9,66"));
    QCOMPARE(Stocat("C_LB_ROMANA"), QString("9.5"));
}

void TestEditoareValori::notaCuPreaMulteCifreEsteRefuzata()
{
    QVERIFY(CitesteNota("1844674407370963") > 100000);
    QVERIFY(CitesteNota("99999999999999999,99") > 100000);
    QCOMPARE(CitesteNota("00000000000000009,5"), qint64(95000));
    auto dialog = Dialog();
    TBrvNumEdit* nota = EditorPentru<TEditorCampNota>(*dialog->Pagina(), "C_MATEMATICA")->BrvNumEdit1();
    QTest::keyClicks(nota, "1844674407370963");
    QCOMPARE(nota->text(), QString("1844674407370963"));
    dialog->Ok();
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(m_prompt->Texte(TPromptTest::Fel::Avertisment), QStringList{"Nota este prea mare: Nota obtinuta la matematica"});
    QCOMPARE(Stocat("C_MATEMATICA"), QString());
}

void TestEditoareValori::liniaNouaLipitaDevineBlanc()
{
    auto dialog = Dialog();
    QComboBox* nume = EditorPentru<TEditorCampText>(*dialog->Pagina(), "C_NUME")->RzComboBox1();
    QLineEdit* articol = EditorPentru<TEditorCampSimplu>(*dialog->Pagina(), "C_CNP")->RzEdit1();
    nume->lineEdit()->end(false);
    nume->lineEdit()->insert("\nescu\tIon\r\n");
    QCOMPARE(nume->currentText(), QString("Pop escu Ion  "));
    articol->insert(QString::fromUtf8("nascut\xE2\x80\xA8la"));
    QCOMPARE(articol->text(), QString("nascut la"));
    dialog->Ok();
    QCOMPARE(Stocat("C_NUME"), QString("Pop escu Ion"));
    QCOMPARE(Stocat("C_CNP"), QString("nascut la"));
}

void TestEditoareValori::limitaDeCaractereNuTaieUnCaracter()
{
    auto dialog = Dialog();
    QLineEdit* nume = EditorPentru<TEditorCampText>(*dialog->Pagina(), "C_NUME")->RzComboBox1()->lineEdit();
    QLineEdit* prenume = EditorPentru<TEditorCampText>(*dialog->Pagina(), "C_PRENUME")->RzComboBox1()->lineEdit();
    QLineEdit* articol = EditorPentru<TEditorCampSimplu>(*dialog->Pagina(), "C_CNP")->RzEdit1();
    // 255 letters and an emoji are 256 characters: the emoji stays whole; nothing more goes in.
    nume->clear();
    nume->insert(QString(255, 'a'));
    nume->insert(Emoji);
    QTest::keyClicks(nume, "b");
    QCOMPARE(nume->text(), QString(255, 'a') + Emoji);
    // At 256 letters an emoji finds no room, and a paste is cut where it no longer fits.
    prenume->insert(QString(250, 'c'));
    prenume->insert(QStringLiteral("dddd") + Emoji + Emoji + QStringLiteral("e"));
    QCOMPARE(prenume->text(), QString(250, 'c') + QStringLiteral("dddd") + Emoji + Emoji);
    prenume->insert(Emoji);
    QCOMPARE(NumarCaractere(prenume->text()), 256);
    articol->insert(QString(63, 'f') + Emoji + Emoji);
    QCOMPARE(articol->text(), QString(63, 'f') + Emoji);
    dialog->Ok();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(Stocat("C_NUME"), QString(255, 'a') + Emoji);
    QCOMPARE(Stocat("C_PRENUME"), QString(250, 'c') + QStringLiteral("dddd") + Emoji + Emoji);
    QCOMPARE(Stocat("C_CNP"), QString(63, 'f') + Emoji);
}

void TestEditoareValori::taiereaLaCaractere_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxim");
    QTest::addColumn<QString>("taiat");
    QTest::newRow("fits") << "abc" << 3 << "abc";
    QTest::newRow("emoji counts once") << "ab" + Emoji << 3 << "ab" + Emoji;
    QTest::newRow("emoji left out whole") << "abc" + Emoji << 3 << "abc";
    // A letter and its combining accent are one character on the card.
    QTest::newRow("accent kept with its letter") << QString::fromUtf8("ab\x61\xCC\x86") << 3 << "ab";
    QTest::newRow("zero") << "abc" << 0 << "";
}

void TestEditoareValori::taiereaLaCaractere()
{
    QFETCH(QString, text);
    QFETCH(int, maxim);
    QFETCH(QString, taiat);
    QCOMPARE(TaieLaCaractere(text, maxim), taiat);
}

// A new pupil typed field after field with Tab, the suggestion list opening on the way:
// every word lands in its own field, and Enter on a highlighted suggestion takes it.
void TestEditoareValori::tabSiEnterCuListaDeschisaMergMaiDeparte()
{
    ScrieValoare(*m_dm, "ELEVI", m_elev, "PV.FATA.C_ABREVIERE", "dra.");
    auto dialog = Dialog(true);
    TEditorGenericComplex& pagina = *dialog->Pagina();
    QComboBox* abreviere = EditorPentru<TEditorCampText>(pagina, "C_ABREVIERE")->RzComboBox1();
    QVERIFY2(abreviere->isAncestorOf(QApplication::focusWidget()), "the first field has no focus");
    Tasteaza("dra");
    QVERIFY(abreviere->completer()->popup()->isVisible());
    Apasa(Qt::Key_Tab);
    Tasteaza("POPA");
    Apasa(Qt::Key_Tab);
    Tasteaza("Ioana");
    Apasa(Qt::Key_Tab);
    Tasteaza("2960523123456");
    QCOMPARE(abreviere->currentText(), QString("dra"));
    QCOMPARE(EditorPentru<TEditorCampText>(pagina, "C_NUME")->RzComboBox1()->currentText(), QString("POPA"));
    QComboBox* prenume = EditorPentru<TEditorCampText>(pagina, "C_PRENUME")->RzComboBox1();
    QCOMPARE(prenume->currentText(), QString("Ioana"));
    QCOMPARE(EditorPentru<TEditorCampSimplu>(pagina, "C_CNP")->RzEdit1()->text(), QString("2960523123456"));

    // Back in the first name: "Io" offers "Ioana" and "Ion"; Down highlights the first.
    prenume->setFocus();
    prenume->lineEdit()->clear();
    Tasteaza("Io");
    QVERIFY(prenume->completer()->popup()->isVisible());
    Apasa(Qt::Key_Down);
    Apasa(Qt::Key_Return);
    QCOMPARE(prenume->currentText(), QString("Ioana"));
    QVERIFY(!prenume->isAncestorOf(QApplication::focusWidget()));
    QVERIFY(dialog->isVisible());
}

// Escape drops what was typed only after asking; with nothing typed it just closes.
void TestEditoareValori::escapeCuModificariIntreaba()
{
    auto neatins = Dialog();
    QTest::keyClick(neatins.get(), Qt::Key_Escape);
    QCOMPARE(neatins->result(), int(QDialog::Rejected));
    QVERIFY(!neatins->isVisible());
    QVERIFY(m_prompt->Texte(TPromptTest::Fel::Confirmare).isEmpty());

    auto dialog = Dialog();
    QComboBox* nume = EditorPentru<TEditorCampText>(*dialog->Pagina(), "C_NUME")->RzComboBox1();
    nume->setFocus();
    QTest::keyClicks(nume, "escu");
    m_prompt->RaspundeLaConfirmari({false, true});
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    QVERIFY(dialog->isVisible());
    QCOMPARE(m_prompt->Texte(TPromptTest::Fel::Confirmare).size(), 1);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(Stocat("C_NUME"), QString("Pop"));
}

QTEST_MAIN(TestEditoareValori)
#include "tst_editoarevalori.moc"
