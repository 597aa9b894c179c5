// PDF output never lands on the program's own files and never leaves a half-written target.
#include "base/brvregistryclass.h"
#include "base/eroare.h"
#include "print/documenttiparit.h"
#include "print/imprimantacurenta.h"
#include "support/elevcomplet.h"
#include "support/fisierpdftest.h"
#include "support/mediutest.h"
#include "support/procestest.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QtTest>

namespace {

void ScrieFisier(const QString& cale, const QByteArray& octeti)
{
    QFile f(cale);
    if (!f.open(QIODevice::WriteOnly) || f.write(octeti) != octeti.size())
        qFatal("cannot write %s", qPrintable(cale));
}

} // namespace

class TestIesirePdf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void liniaDeComandaRefuzaFisiereleProgramului_data();
    void liniaDeComandaRefuzaFisiereleProgramului();
    void pdfulInlocuiesteTintaDoarLaSfarsit();
    void pdfulPeDisculAproapePlinNuEsteRaportatScris();
    void imprimantaPdfRefuzaBazaDeDate();

private:
    std::unique_ptr<TMediuTest> m_mediu;
    int m_idElev = 0;
};

void TestIesirePdf::initTestCase()
{
    m_mediu = std::make_unique<TMediuTest>();
    m_idElev = AdaugaElevComplet(m_mediu->PornesteDM());
    m_mediu->OpresteDM();
    ScrieFisier(m_mediu->Dosar() + "/licenta.lic", QByteArray("\x02\x00\x02\x00", 4));
    QSettings(DeschideSetari()).setValue("proba", 1);
    QVERIFY(QFile::exists(DeschideSetari().fileName()));
    QVERIFY(QFile::link(m_mediu->CaleBazaDeDate(), m_mediu->Dosar() + "/legatura.pdf"));
}

void TestIesirePdf::cleanupTestCase()
{
    m_mediu.reset();
}

void TestIesirePdf::liniaDeComandaRefuzaFisiereleProgramului_data()
{
    QTest::addColumn<QString>("tinta");
    QTest::addColumn<QString>("motiv");
    QTest::newRow("baza de date") << "DB/PV2006.FDB" << "baza de date a programului";
    QTest::newRow("prin ..") << "DB/../DB/PV2006.FDB" << "baza de date a programului";
    QTest::newRow("legatura") << "legatura.pdf" << "baza de date a programului";
    QTest::newRow("copie zilnica") << "DB/copii/nou.pdf" << "in dosarul bazei de date";
    QTest::newRow("sablon") << "BLANK.FDB" << "sablonul bazei de date";
    QTest::newRow("corecturi") << "licenta.lic" << "fisierul cu corecturile textelor";
    QTest::newRow("setari") << "setari/Brenvolt/Certavo.conf" << "fisierul cu setarile programului";
}

void TestIesirePdf::liniaDeComandaRefuzaFisiereleProgramului()
{
    QFETCH(QString, tinta);
    QFETCH(QString, motiv);
    const QString cale = m_mediu->Dosar() + "/" + tinta;
    const QByteArray inainte = AmprentaFisier(cale);
    const QByteArray bazaInainte = AmprentaFisier(m_mediu->CaleBazaDeDate());
    const TRezultatProces rezultat =
        RuleazaProgramul({"--print-pdf", cale, "--pupil", QString::number(m_idElev)}, m_mediu->Dosar());
    QCOMPARE(rezultat.CodIesire, 2);
    QVERIFY2(rezultat.Erori.contains("Fisierul \"" + cale + "\" este " + motiv), qPrintable(rezultat.Erori));
    QCOMPARE(AmprentaFisier(cale), inainte);
    QCOMPARE(AmprentaFisier(m_mediu->CaleBazaDeDate()), bazaInainte);
    QCOMPARE(ColoanaSql(m_mediu->PornesteDM(), "SELECT COUNT(*) FROM ELEVI"), QStringList{"1"});
    m_mediu->OpresteDM();
}

void TestIesirePdf::pdfulInlocuiesteTintaDoarLaSfarsit()
{
    const QString dosar = m_mediu->Dosar() + "/pdf";
    QVERIFY(QDir().mkpath(dosar));
    const QString pdf = dosar + "/certificat.pdf";
    ScrieFisier(pdf, "vechi");
    // A pupil that does not exist: nothing printed, the old file as it was.
    QVERIFY(RuleazaProgramul({"--print-pdf", pdf, "--pupil", "999"}, m_mediu->Dosar()).CodIesire > 0);
    QFile vechi(pdf);
    QVERIFY(vechi.open(QIODevice::ReadOnly));
    QCOMPARE(vechi.readAll(), QByteArray("vechi"));
    const TRezultatProces rezultat =
        RuleazaProgramul({"--print-pdf", pdf, "--pupil", QString::number(m_idElev), "--page", "fata"}, m_mediu->Dosar());
    QVERIFY2(rezultat.CodIesire == 0, qPrintable(rezultat.Erori));
    QCOMPARE(InfoPdf(pdf, "Pages"), QString("1"));
    QCOMPARE(QDir(dosar).entryList(QDir::Files | QDir::Hidden), QStringList{"certificat.pdf"});
    QVERIFY(QFile::permissions(pdf) & QFile::ReadOther);
}

// The PDF writer goes on quietly when the disk fills up: the truncated file must be caught,
// and the good PDF of the same name kept.
void TestIesirePdf::pdfulPeDisculAproapePlinNuEsteRaportatScris()
{
    const QString bun = m_mediu->Dosar() + "/bun.pdf";
    const TRezultatProces tiparit = RuleazaProgramul({"--print-pdf", bun, "--pupil", QString::number(m_idElev)}, m_mediu->Dosar());
    QVERIFY2(tiparit.CodIesire == 0, qPrintable(tiparit.Erori));
    QFile pdfBun(bun);
    QVERIFY(pdfBun.open(QIODevice::ReadOnly));
    const QByteArray continut = pdfBun.readAll();

    const QString dosar = m_mediu->Dosar() + "/plin";
    QVERIFY(QDir().mkpath(dosar));
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=4m", "tmpfs", dosar}) != 0)
        QSKIP("a nearly full disk needs a small tmpfs, which only root may mount");
    const auto demonteaza = qScopeGuard([dosar] { QProcess::execute("umount", {dosar}); });
    const QString tinta = dosar + "/certificat.pdf";
    ScrieFisier(tinta, continut);
    {
        // Fill the disk, then free less than the PDF needs.
        QFile umplutura(dosar + "/umplutura");
        QVERIFY(umplutura.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray bloc(4096, 'x');
        while (umplutura.write(bloc) == bloc.size()) {
        }
        QVERIFY(umplutura.resize(std::max<qint64>(0, umplutura.size() - continut.size() / 2)));
    }
    const TRezultatProces rezultat =
        RuleazaProgramul({"--print-pdf", tinta, "--pupil", QString::number(m_idElev)}, m_mediu->Dosar());
    QCOMPARE(rezultat.CodIesire, 2);
    QVERIFY2(rezultat.Erori.contains("Nu pot scrie fisierul " + tinta) &&
                 rezultat.Erori.contains("Fisierul anterior a fost pastrat."),
             qPrintable(rezultat.Erori));
    QCOMPARE(AmprentaFisier(tinta), AmprentaFisier(bun));
    QCOMPARE(QDir(dosar).entryList(QDir::Files | QDir::Hidden), (QStringList{"certificat.pdf", "umplutura"}));
}

void TestIesirePdf::imprimantaPdfRefuzaBazaDeDate()
{
    TFisierePdfTest pdf;
    AlegeImprimanta(NumeImprimantaPdf());
    const QByteArray inainte = AmprentaFisier(m_mediu->CaleBazaDeDate());
    pdf.RaspundeCu(m_mediu->CaleBazaDeDate());
    try {
        TDocumentTiparit::Incepe(QStringLiteral("Diploma de examen national - fata"), false);
        QFAIL("the database must not become a PDF");
    } catch (const EEroare& e) {
        QVERIFY2(e.Mesaj().contains("este baza de date a programului"), qPrintable(e.Mesaj()));
    }
    QCOMPARE(AmprentaFisier(m_mediu->CaleBazaDeDate()), inainte);

    // A document that is given up before its end leaves no file at all.
    const QString tinta = pdf.Dosar() + "/renuntat.pdf";
    pdf.RaspundeCu(tinta);
    TDocumentTiparit::Incepe(QStringLiteral("x"), false).reset();
    QCOMPARE(QDir(pdf.Dosar()).entryList(QDir::Files | QDir::Hidden), QStringList{});
    AlegeImprimanta(QString());
}

QTEST_MAIN(TestIesirePdf)
#include "tst_iesirepdf.moc"
