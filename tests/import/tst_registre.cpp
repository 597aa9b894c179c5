#include "import/comenziregistru.h"
#include "registre/eroriregistru.h"
#include "registre/registru.h"

#include <QBuffer>
#include <QFile>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

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

QString Mesaj(const std::function<void()>& f)
{
    try {
        f();
    } catch (const EEroare& e) {
        return e.Mesaj();
    }
    return QStringLiteral("<nicio eroare>");
}

} // namespace

// Workbooks made by real writers (tests/import/fixtures/make-fixtures.py), read as a Romanian
// spreadsheet shows them.
class TestRegistre : public QObject {
    Q_OBJECT
private slots:
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
    void aleseDupaContinut();
    void csv();
};

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
}

// A bad file gives its message and nothing else, whether it fails at open or at reading.
void TestRegistre::fisiereRele()
{
    QFETCH(QString, fisier);
    QFETCH(QString, mesaj);
    QCOMPARE(Mesaj([&] {
                 const std::unique_ptr<TRegistru> r = DeschideRegistru(fisier);
                 for (const QString& foaie : r->Foi())
                     r->Foaie(foaie);
             }),
             mesaj);
}

void TestRegistre::foaieInexistenta()
{
    const std::unique_ptr<TRegistru> r = DeschideRegistru(Fixtura(QStringLiteral("registru.xls")));
    QCOMPARE(Mesaj([&] { r->Foaie(QStringLiteral("Clasa a IX-a")); }),
             QStringLiteral("Registrul nu are foaia de calcul \"Clasa a IX-a\"."));
}

// A few hundred bytes that claim a million rows of 16,384 filled cells each: refused at the
// bound, not followed.
void TestRegistre::preaMulteCelule()
{
    QByteArray octeti;
    {
        QBuffer dispozitiv(&octeti);
        QuaZip zip(&dispozitiv);
        QVERIFY(zip.open(QuaZip::mdCreate));
        auto scrie = [&](const QString& nume, const QByteArray& continut) {
            QuaZipFile parte(&zip);
            QVERIFY(parte.open(QIODevice::WriteOnly, QuaZipNewInfo(nume)));
            parte.write(continut);
        };
        scrie(QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.spreadsheet");
        scrie(QStringLiteral("content.xml"),
              "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
              "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
              "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:spreadsheet>"
              "<table:table table:name=\"Mare\"><table:table-row table:number-rows-repeated=\"1048576\">"
              "<table:table-cell table:number-columns-repeated=\"16384\"><text:p>x</text:p></table:table-cell>"
              "</table:table-row></table:table></office:spreadsheet></office:body></office:document-content>");
        zip.close();
    }
    QCOMPARE(Mesaj([&] { DeschideRegistruDinOcteti(octeti, QStringLiteral("mare.ods")); }),
             QStringLiteral("Foaia de calcul \"Mare\" are prea multe celule (cel mult 2000000)."));
}

// The signature decides, not the extension.
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
