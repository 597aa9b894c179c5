#include "import/comenziregistru.h"
#include "registre/eroriregistru.h"
#include "registre/registru.h"
#include "registre/textcelula.h"
#include "support/mesajeroare.h"
#include "support/procestest.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace {

QString Fixtura(const QString& nume)
{
    return QStringLiteral(PRAVENT_SOURCE_DIR "/tests/import/fixtures/") + nume;
}

QString Continut(const QString& cale)
{
    QFile f(cale);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("<lipseste %1>").arg(cale);
    return QString::fromUtf8(f.readAll());
}

// A ZIP package of those parts, in that order.
QByteArray Zip(const QList<QPair<QString, QByteArray>>& parti)
{
    QByteArray octeti;
    QBuffer dispozitiv(&octeti);
    QuaZip zip(&dispozitiv);
    if (!zip.open(QuaZip::mdCreate))
        qFatal("cannot create a zip");
    for (const auto& [nume, continut] : parti) {
        QuaZipFile parte(&zip);
        if (!parte.open(QIODevice::WriteOnly, QuaZipNewInfo(nume)) || parte.write(continut) != continut.size())
            qFatal("cannot write %s", qPrintable(nume));
    }
    zip.close();
    return octeti;
}

// A workbook of one sheet whose cells A1, A2, ... each show shared string 0 (the text given),
// and B1 a CNP.
QByteArray XlsxCuSirPartajat(const QByteArray& sir, int referinte)
{
    QByteArray celule = "<row r=\"1\"><c r=\"B1\" t=\"inlineStr\"><is><t>5110101123456</t></is></c></row>";
    for (int k = 1; k <= referinte; ++k)
        celule += "<row><c r=\"A" + QByteArray::number(k) + "\" t=\"s\"><v>0</v></c></row>";
    const QByteArray rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    return Zip({{"[Content_Types].xml", "<Types/>"},
                {"_rels/.rels", "<Relationships><Relationship Id=\"r\" Type=\"" + rel +
                                    "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
                {"xl/workbook.xml", "<workbook xmlns:r=\"" + rel + "\"><sheets><sheet name=\"Foaie\" r:id=\"r1\"/>"
                                    "</sheets></workbook>"},
                {"xl/_rels/workbook.xml.rels",
                 "<Relationships><Relationship Id=\"r1\" Type=\"" + rel + "/worksheet\" Target=\"foaie.xml\"/>"
                 "<Relationship Id=\"r2\" Type=\"" + rel + "/sharedStrings\" Target=\"siruri.xml\"/></Relationships>"},
                {"xl/foaie.xml", "<worksheet><sheetData>" + celule + "</sheetData></worksheet>"},
                {"xl/siruri.xml", "<sst><si><t>" + sir + "</t></si></sst>"}});
}

// An OpenDocument sheet with the given rows inside its table.
QByteArray Ods(const QByteArray& randuri)
{
    return Zip({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                {"content.xml",
                 "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                 "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
                 "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:spreadsheet>"
                 "<table:table table:name=\"Mare\">" + randuri + "</table:table></office:spreadsheet></office:body>"
                 "</office:document-content>"}});
}

} // namespace

// Workbooks made by real writers (tests/import/fixtures/make-fixtures.py), read as a Romanian
// spreadsheet shows them.
class TestRegistre : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void registre_data();
    void registre();
    void dateAfisate_data();
    void dateAfisate();
    void siruriPesteContinuari();
    void domeniuFolosit();
    void fisiereRele_data();
    void fisiereRele();
    void foaieInexistenta();
    void preaMulteCelule();
    void textulEsteMarginit();
    void memoriaMarginitaDeFisier();
    void aleseDupaContinut();
    void csv();

private:
    QTemporaryDir m_dosar;
};

void TestRegistre::initTestCase()
{
#ifdef Q_OS_UNIX
    QVERIFY(::mkfifo(QFile::encodeName(m_dosar.filePath(QStringLiteral("conducta.xlsx"))).constData(), 0600) == 0);
#endif
}

void TestRegistre::registre_data()
{
    QTest::addColumn<QString>("fisier");
    for (const char* nume : {"registru_openpyxl.xlsx", "registru_xlsxwriter.xlsx", "registru.xls", "registru.ods",
                             "registru1250.csv", "registru_utf8.csv"})
        QTest::newRow(nume) << QString::fromLatin1(nume);
}

// Names of the sheets, and what CitesteFoaia keeps of the first one: CNPs as text, as numbers
// in "0" and in General; marks in "0.00", in General, typed as text; averages from formulas;
// rich text; comma-below letters as cedilla letters; titles, headers and totals dropped;
// pupils after 25 empty rows and on row 1005 kept; the column after an empty one read.
void TestRegistre::registre()
{
    QFETCH(QString, fisier);
    const QString cale = Fixtura(fisier);
    QString foi;
    QTextStream iesireFoi(&foi);
    ListeazaFoile(cale, iesireFoi);
    iesireFoi.flush();
    QCOMPARE(foi, Continut(cale + QStringLiteral(".foi.txt")));
    QString text;
    QTextStream iesire(&text);
    AfiseazaFoaia(cale, QString(), iesire);
    iesire.flush();
    QCOMPARE(text, Continut(cale + QStringLiteral(".asteptat.tsv")));
}

void TestRegistre::dateAfisate_data()
{
    QTest::addColumn<QString>("fisier");
    QTest::newRow("xls 1900") << "registru.xls";
    QTest::newRow("xlsx 1904") << "registru_xlsxwriter.xlsx";
}

// "dd/mm/yyyy" with the regional separator; a 1904 workbook shows the same date.
void TestRegistre::dateAfisate()
{
    QFETCH(QString, fisier);
    const std::unique_ptr<TRegistru> registru = DeschideRegistru(Fixtura(fisier));
    QCOMPARE(registru->Text(registru->Foi().first(), QStringLiteral("E2")) + u'\n',
             Continut(Fixtura(fisier + QStringLiteral(".data.txt"))));
}

// 1,200 names fill the shared strings well past one record: the class's names lie in its
// CONTINUE records, some of them split between two records.
void TestRegistre::siruriPesteContinuari()
{
    const std::unique_ptr<TRegistru> registru = DeschideRegistru(Fixtura(QStringLiteral("registru.xls")));
    const TFoaie& lunga = registru->Foaie(QStringLiteral("Lista lunga"));
    const QStringList nume = {QStringLiteral("Ştefănescu Ioana"), QStringLiteral("Popa Andrei-Mihai"),
                              QStringLiteral("Ţepeş Vlad"), QStringLiteral("Enache Maria")};
    for (int i = 0; i < 1200; ++i) {
        QCOMPARE(lunga.Text(i, 0), QStringLiteral("Elev %1 %2").arg(i, 4, 10, QChar(u'0')).arg(nume.at(i % 4)));
        QCOMPARE(lunga.Text(i, 1), QString::number(5000000000000ll + i));
    }
    QCOMPARE(registru->Text(QStringLiteral("Clasa"), QStringLiteral("B8")), QStringLiteral("Dumitrescu Ioana"));
    QCOMPARE(registru->Text(QStringLiteral("Clasa"), QStringLiteral("B1005")), QStringLiteral("Marinescu Elena"));
}

void TestRegistre::domeniuFolosit()
{
    for (const char* nume : {"registru_openpyxl.xlsx", "registru.xls", "registru.ods", "registru1250.csv"}) {
        const std::unique_ptr<TRegistru> registru = DeschideRegistru(Fixtura(QString::fromLatin1(nume)));
        const TDomeniu d = registru->Foaie(registru->Foi().first()).DomeniuFolosit();
        QVERIFY2(d.PrimulRand == 0 && d.UltimulRand == 1005 && d.PrimaColoana == 0 && d.UltimaColoana == 7, nume);
    }
    const std::unique_ptr<TRegistru> gol = DeschideRegistru(Fixtura(QStringLiteral("registru.ods")));
    QVERIFY(gol->Foaie(QStringLiteral("Foaia 2")).DomeniuFolosit().Gol());
}

void TestRegistre::fisiereRele_data()
{
    QTest::addColumn<QString>("fisier");
    QTest::addColumn<QString>("mesaj");
    const QString lipsa = Fixtura(QStringLiteral("lipsa.xlsx"));
    QTest::newRow("lipsa") << lipsa << QStringLiteral("Fisierul \"%1\" nu exista.").arg(lipsa);
    QTest::newRow("dosar") << Fixtura(QString()) << EroriRegistru::Necitibil(Fixtura(QString())).Mesaj();
    QTest::newRow("necunoscut") << Fixtura(QStringLiteral("necunoscut.xlsx"))
                                << QStringLiteral("Fisierul \"necunoscut.xlsx\" nu este o foaie de calcul cunoscuta "
                                                  "(.xls, .xlsx, .xlsm, .ods sau .csv).");
    const QString deteriorat = QStringLiteral("Fisierul \"%1\" este deteriorat sau incomplet si nu poate fi citit.");
    QTest::newRow("xlsx trunchiat") << Fixtura(QStringLiteral("trunchiat.xlsx")) << deteriorat.arg("trunchiat.xlsx");
    QTest::newRow("xls cu bucla de sectoare") << Fixtura(QStringLiteral("bucla.xls")) << deteriorat.arg("bucla.xls");
    QTest::newRow("xls trunchiat") << Fixtura(QStringLiteral("trunchiat.xls")) << deteriorat.arg("trunchiat.xls");
    const QString parola = QStringLiteral("Fisierul \"%1\" este protejat cu parola. Salvati-l fara parola si "
                                          "incercati din nou.");
    QTest::newRow("xls cu parola") << Fixtura(QStringLiteral("parola.xls")) << parola.arg("parola.xls");
    QTest::newRow("xlsx criptat") << Fixtura(QStringLiteral("parola.xlsx")) << parola.arg("parola.xlsx");
    QTest::newRow("excel 95") << Fixtura(QStringLiteral("excel95.xls"))
                              << QStringLiteral("Fisierul \"excel95.xls\" este in formatul Excel 95 sau mai vechi. "
                                                "Salvati-l ca \"Excel 97-2003\" (.xls) sau .xlsx si incercati din nou.");
    QTest::newRow("bomba zip") << Fixtura(QStringLiteral("bomba.xlsx"))
                               << QStringLiteral("Fisierul \"bomba.xlsx\" este prea mare pentru a fi citit.");
#ifdef Q_OS_UNIX
    // Neither waited on (a pipe without a writer) nor read for ever (a device without an end).
    for (const QString& special :
         {m_dosar.filePath(QStringLiteral("conducta.xlsx")), QStringLiteral("/dev/zero"), QStringLiteral("/dev/urandom")})
        QTest::newRow(qPrintable(special)) << special << EroriRegistru::NuEsteFisier(special).Mesaj();
#endif
}

// A bad file gives its message and nothing else, whether it fails at open or at reading.
void TestRegistre::fisiereRele()
{
    QFETCH(QString, fisier);
    QFETCH(QString, mesaj);
    QCOMPARE(MesajulErorii([&] {
                 const std::unique_ptr<TRegistru> r = DeschideRegistru(fisier);
                 for (const QString& foaie : r->Foi())
                     r->Foaie(foaie);
             }),
             mesaj);
}

void TestRegistre::foaieInexistenta()
{
    const std::unique_ptr<TRegistru> r = DeschideRegistru(Fixtura(QStringLiteral("registru.xls")));
    QCOMPARE(MesajulErorii([&] { r->Foaie(QStringLiteral("Clasa a IX-a")); }),
             QStringLiteral("Registrul nu are foaia de calcul \"Clasa a IX-a\"."));
}

// A few hundred bytes that claim a million rows of 16,384 filled cells each: refused at the
// bound, not followed.
void TestRegistre::preaMulteCelule()
{
    const QByteArray octeti =
        Ods("<table:table-row table:number-rows-repeated=\"1048576\">"
            "<table:table-cell table:number-columns-repeated=\"16384\"><text:p>x</text:p></table:table-cell>"
            "</table:table-row>");
    QCOMPARE(MesajulErorii([&] { DeschideRegistruDinOcteti(octeti, QStringLiteral("mare.ods")); }),
             QStringLiteral("Foaia de calcul \"Mare\" are prea multe celule (cel mult 1000000)."));
}

// The signature decides, not the extension.
// A text shared by many cells is held once; each cell shows at most what a spreadsheet cell
// holds; and a sheet yields no more text than the bound, however small the file.
void TestRegistre::textulEsteMarginit()
{
    const QByteArray lung(100'000, 'x');
    {
        const std::unique_ptr<TRegistru> r = DeschideRegistruDinOcteti(XlsxCuSirPartajat(lung, 400), "partajat.xlsx");
        const TFoaie& foaie = r->Foaie(QStringLiteral("Foaie"));
        const QString a1 = foaie.Text(0, 0);
        QCOMPARE(a1, QString(CaractereCelula, u'x'));
        QCOMPARE(foaie.Text(399, 0).constData(), a1.constData());
    }
    QCOMPARE(MesajulErorii([&] { DeschideRegistruDinOcteti(XlsxCuSirPartajat(lung, 600), "multe.xlsx")->Foaie("Foaie"); }),
             QStringLiteral("Foaia de calcul \"Foaie\" are prea mult text (cel mult 16000000 de caractere in toate "
                            "celulele)."));
    // Runs of blanks a thousand at a time, in a cell repeated across the row.
    QByteArray paragraf = "x";
    for (int k = 0; k < 100; ++k)
        paragraf += "<text:s text:c=\"1000\"/>y";
    const std::unique_ptr<TRegistru> ods = DeschideRegistruDinOcteti(
        Ods("<table:table-row><table:table-cell table:number-columns-repeated=\"300\"><text:p>" + paragraf +
            "</text:p></table:table-cell></table:table-row>"),
        "blancuri.ods");
    const TFoaie& foaie = ods->Foaie(QStringLiteral("Mare"));
    const QString a1 = foaie.Text(0, 0);
    QVERIFY2(a1.size() > 32000 && a1.size() <= CaractereCelula && a1.startsWith(u'x'), qPrintable(QString::number(a1.size())));
    QCOMPARE(foaie.Text(0, 299).constData(), a1.constData());
    const std::unique_ptr<TRegistru> csv =
        DeschideRegistruDinOcteti("a;\"" + QByteArray(100'000, 'z') + "\"\n", QStringLiteral("lung.csv"));
    QCOMPARE(csv->Text(QStringLiteral("lung"), QStringLiteral("B1")), QString(CaractereCelula, u'z'));
}

// 16 MB of text in 27 KB, shown by 2,000 cells: the program refuses it within bounded memory.
void TestRegistre::memoriaMarginitaDeFisier()
{
#ifndef Q_OS_UNIX
    QSKIP("the peak memory of a child comes from getrusage");
#else
    const QString cale = m_dosar.filePath(QStringLiteral("bomba_siruri.xlsx"));
    {
        QFile fisier(cale);
        QVERIFY(fisier.open(QIODevice::WriteOnly));
        fisier.write(XlsxCuSirPartajat(QByteArray(8'000'000, 'x'), 2000));
    }
    QVERIFY(QFileInfo(cale).size() < 100'000);
    const TRezultatProces rezultat = RuleazaProgramul({"--read-sheet", cale}, m_dosar.path());
    QCOMPARE(rezultat.CodIesire, 2);
    QVERIFY2(rezultat.Erori.contains(QStringLiteral("are prea mult text")), qPrintable(rezultat.Erori));
    rusage folosit {};
    QCOMPARE(getrusage(RUSAGE_CHILDREN, &folosit), 0);
    QVERIFY2(folosit.ru_maxrss < 300 * 1024, qPrintable(QStringLiteral("%1 KB").arg(folosit.ru_maxrss)));
#endif
}

void TestRegistre::aleseDupaContinut()
{
    QTemporaryDir dosar;
    const QString copie = dosar.filePath(QStringLiteral("catalog.dat"));
    QVERIFY(QFile::copy(Fixtura(QStringLiteral("registru.ods")), copie));
    QCOMPARE(DeschideRegistru(copie)->Foi(), QStringList({"Clasa a VIII-a", "Foaia 2"}));
    const QString alta = dosar.filePath(QStringLiteral("catalog.xlsx"));
    QVERIFY(QFile::copy(Fixtura(QStringLiteral("registru.xls")), alta));
    QCOMPARE(DeschideRegistru(alta)->Foi(), QStringList({"Clasa", "Lista lunga"}));
}

void TestRegistre::csv()
{
    // Quoted fields keep their delimiters, doubled quotes and line breaks; tab-separated
    // text is found as such; a lone cell row makes no delimiter.
    const QByteArray octeti = "titlu\r\nA\tB\t\"x\"\"y\"\r\n1\t\"doi\ntrei\"\t3\r\n";
    const std::unique_ptr<TRegistru> r = DeschideRegistruDinOcteti(octeti, QStringLiteral("note.txt"));
    QCOMPARE(r->Foi(), QStringList{"note"});
    QCOMPARE(r->Text(QStringLiteral("note"), QStringLiteral("C2")), QStringLiteral("x\"y"));
    QCOMPARE(r->Text(QStringLiteral("note"), QStringLiteral("B3")), QStringLiteral("doi\ntrei"));
    QCOMPARE(r->Text(QStringLiteral("note"), QStringLiteral("C3")), QStringLiteral("3"));
    // "sep=" names the delimiter; the Romanian letters of Windows-1250 are read as such.
    const QByteArray windows = "sep=,\n\xAA" "tefan,\xDE" "aranu;Ion\n";
    const std::unique_ptr<TRegistru> w = DeschideRegistruDinOcteti(windows, QStringLiteral("x.csv"));
    QCOMPARE(w->Text(QStringLiteral("x"), QStringLiteral("A1")), QStringLiteral("Ştefan"));
    QCOMPARE(w->Text(QStringLiteral("x"), QStringLiteral("B1")), QStringLiteral("Ţaranu;Ion"));
}

QTEST_APPLESS_MAIN(TestRegistre)
#include "tst_registre.moc"
