// A class printed from the command line with its cards recorded, as a script or a secretary
// would: the registration numbers on the card where its lines are, the checks that stop a
// print before anything is written, and the register read back from PDF, CSV and workbook.
#include "support/conexiunesecundara.h"
#include "support/cuvintepdf.h"
#include "support/elevcomplet.h"
#include "support/mediutest.h"
#include "support/procestest.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

const double Toleranta = 0.4;

// The box of a front area on paper, from the form definition the program ships.
QRectF CutieFata(int numar)
{
    QFile fisier(QStringLiteral(PRAVENT_SOURCE_DIR "/resources/pravent.json"));
    if (!fisier.open(QIODevice::ReadOnly))
        return {};
    const QJsonObject fata = QJsonDocument::fromJson(fisier.readAll())["Pagini"].toArray().at(0).toObject();
    for (const QJsonValue arie : fata["Arii"].toArray())
        if (arie["Nume"].toString() == QStringLiteral("FormularTextArea%1").arg(numar))
            return QRectF(arie["_Left"].toDouble() + fata["DeltaStanga"].toDouble(),
                          arie["_Top"].toDouble() + fata["DeltaSus"].toDouble(), arie["_Width"].toDouble(),
                          arie["_Height"].toDouble());
    return {};
}

// Empty when the text is printed centred in the front area, else what was found.
QString LaLoculEi(const QList<TCuvantPdf>& cuvinte, const QString& text, int arie)
{
    const QRectF cutie = CutieFata(arie);
    QStringList gasite;
    for (const TCuvantPdf& c : cuvinte) {
        if (c.Text != text)
            continue;
        if (qAbs(c.Cutie.center().x() - cutie.center().x()) < Toleranta && c.Cutie.top() > cutie.top() - Toleranta
            && c.Cutie.bottom() < cutie.bottom() + Toleranta)
            return QString();
        gasite << QString("(%1,%2)").arg(c.Cutie.center().x()).arg(c.Cutie.center().y());
    }
    return QString("%1 nu este in aria %2 (%3,%4): %5")
        .arg(text)
        .arg(arie)
        .arg(cutie.center().x())
        .arg(cutie.center().y())
        .arg(gasite.join(' '));
}

} // namespace

class TestRegistruPdf : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void clasaNumerotataCuNumereleLaLocurileLor();
    void oprireInainteDeOriceScriere();
    void registrulCititInapoi();

private:
    TRezultatProces Pravent(const QStringList& argumente) const { return RuleazaProgramul(argumente, m_mediu->Dosar()); }
    QString Fisier(const QString& nume) const { return m_mediu->Dosar() + u'/' + nume; }
    // Prints the pupils into a new file with the cards from `numar` on; the run's errors or empty.
    QString Tipareste(const QString& elevi, int numar, const QStringList& altele = {}) const;

    std::unique_ptr<TMediuTest> m_mediu;
};

void TestRegistruPdf::init()
{
    m_mediu = std::make_unique<TMediuTest>();
    TDM& dm = m_mediu->PornesteDM();
    QCOMPARE(AdaugaElevComplet(dm), 1);
    AdaugaEleviNumerotati(dm.Tr().Conexiune(), 2, 2);
    m_mediu->OpresteDM();
}

void TestRegistruPdf::cleanup()
{
    m_mediu.reset();
}

QString TestRegistruPdf::Tipareste(const QString& elevi, int numar, const QStringList& altele) const
{
    const TRezultatProces rezultat =
        Pravent(QStringList{"--print-pdf", Fisier(QString("c%1.pdf").arg(numar)), "--pupil", elevi, "--page", "fata",
                            "--card-series", "PV", "--card-number", QString::number(numar), "--registration-date",
                            "2026-06-20"}
                + altele);
    return rezultat.CodIesire == 0 ? QString() : QString("cod %1: %2").arg(rezultat.CodIesire).arg(rezultat.Erori);
}

void TestRegistruPdf::clasaNumerotataCuNumereleLaLocurileLor()
{
    // The stack goes through the printer in reverse order of the list.
    QCOMPARE(Tipareste("3,2,1", 48213), QString());
    const QList<QList<TCuvantPdf>> pagini = CuvintePePagini(Fisier("c48213.pdf"));
    QCOMPARE(pagini.size(), 3);
    for (int p = 0; p < 3; ++p) {
        const QString nr = QString::number(p + 1);
        // The counterfoil's line and the certificate's line.
        for (const auto& [text, arie] : {std::pair{nr, 124}, std::pair{QString("20.06.2026"), 125}, std::pair{nr, 126},
                                         std::pair{QString("20.06.2026"), 127}}) {
            const QString eroare = LaLoculEi(pagini.at(p), text, arie);
            QVERIFY2(eroare.isEmpty(), qPrintable(QString("pagina %1: %2").arg(p + 1).arg(eroare)));
        }
    }
    QCOMPARE(LaLoculEi(pagini.at(2), "POPESCU", 1), QString());
}

void TestRegistruPdf::oprireInainteDeOriceScriere()
{
    QCOMPARE(Tipareste("1,2", 100), QString());
    // A pupil who holds a certificate, a used card, bad input: nothing printed, nothing recorded.
    const QList<QPair<QStringList, QString>> refuzate = {
        {{"--print-pdf", Fisier("x.pdf"), "--pupil", "3,1", "--card-series", "PV", "--card-number", "200"},
         "POPESCU ANA MARIA are deja certificatul seria PV nr. 000100 (nr. inregistrare 1 din 20.06.2026)"},
        {{"--print-pdf", Fisier("x.pdf"), "--pupil", "3", "--card-series", "PV", "--card-number", "101"},
         "Cartonul seria PV nr. 000101 a fost deja folosit (nr. inregistrare 2, Nume2 Prenume2)"},
        {{"--print-pdf", Fisier("x.pdf"), "--pupil", "3", "--card-series", "PV", "--card-number", "0"},
         "Numarul cartonului trebuie sa fie un numar pozitiv"},
        {{"--print-pdf", Fisier("x.pdf"), "--pupil", "3", "--card-series", "PV", "--card-number", "12a"},
         "Numarul cartonului trebuie sa fie un numar pozitiv"},
        {{"--print-pdf", Fisier("x.pdf"), "--pupil", "3", "--card-series", "P V", "--card-number", "5"},
         "Seria cartonului trebuie sa fie formata din cel mult 8 litere"},
        {{"--print-pdf", Fisier("x.pdf"), "--pupil", "3", "--card-series", "", "--card-number", "5"},
         "Seria cartonului lipseste"},
        {{"--print-pdf", Fisier("x.pdf"), "--pupil", "3", "--card-series", "PV", "--card-number", "5",
          "--registration-date", "2026-02-30"},
         "Data inregistrarii trebuie sa fie o data de forma AAAA-LL-ZZ"},
        {{"--print-pdf", Fisier("x.pdf"), "--pupil", "3", "--reprint"}, "--reprint cere --card-series"},
        {{"--register-void", "PV", "100"}, "Anularea unui carton cere un motiv"},
    };
    for (const auto& [argumente, mesaj] : refuzate) {
        const TRezultatProces rezultat = Pravent(argumente);
        QCOMPARE(rezultat.CodIesire, 2);
        QVERIFY2(rezultat.Erori.contains(mesaj), qPrintable(rezultat.Erori));
        QVERIFY(!QFile::exists(Fisier("x.pdf")));
    }
    // The spoiled card is voided and its pupil gets the next one; a lost one gets a duplicate.
    QCOMPARE(Tipareste("1", 102, {"--reprint"}), QString());
    QCOMPARE(Tipareste("2", 103, {"--duplicate"}), QString());
    QCOMPARE(Pravent({"--register-void", "PV", "103", "--reason", "cerneala intinsa"}).CodIesire, 0);
    TDM& dm = m_mediu->PornesteDM();
    QCOMPARE(ColoanaSql(dm, "SELECT R.NR_INREGISTRARE || ' ' || R.ID_ELEVI || ' ' || R.NUMAR_CARTON || ' ' || R.FEL "
                            "|| ' ' || COALESCE(CAST(O.NUMAR_CARTON AS VARCHAR(10)), '-') || ' ' || CAST((SELECT LIST(S.STARE || ':' || "
                            "S.MOTIV, ',') FROM STARI_CERTIFICATE S WHERE S.ID_INTRARE = R.ID_INTRARE) AS VARCHAR(300)) FROM "
                            "REGISTRU_CERTIFICATE R LEFT JOIN REGISTRU_CERTIFICATE O ON O.ID_INTRARE = R.ID_ORIGINAL "
                            "ORDER BY R.NR_INREGISTRARE"),
             QStringList({"1 1 100 ORIGINAL - TIPARIT:,ANULAT:tiparit gresit",
                          "2 2 101 ORIGINAL - TIPARIT:,ANULAT:pierdut sau deteriorat, inlocuit prin duplicat",
                          "3 1 102 ORIGINAL - TIPARIT:", "4 2 103 DUPLICAT 101 TIPARIT:,ANULAT:cerneala intinsa"}));
}

void TestRegistruPdf::registrulCititInapoi()
{
    QCOMPARE(Tipareste("1,2,3", 7), QString());
    QCOMPARE(Pravent({"--register-void", "PV", "8", "--reason", "rupt; refacut"}).CodIesire, 0);
    for (const char* nume : {"r.csv", "r.xlsx", "r.pdf"}) {
        const TRezultatProces rezultat = Pravent({"--register-export", Fisier(nume)});
        QVERIFY2(rezultat.CodIesire == 0, qPrintable(rezultat.Erori));
    }
    QCOMPARE(Pravent({"--register-export", Fisier("r.txt")}).CodIesire, 2);

    QFile csv(Fisier("r.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QByteArray continut = csv.readAll();
    QVERIFY(continut.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(QString::fromUtf8(continut.mid(3)).split("\r\n"),
             QStringList({"Nr. inreg.;Data;Numele si prenumele;CNP;Seria si nr.;Fel;Primitor",
                          "1;20.06.2026;POPESCU ANA MARIA;2960523123456;PV 000007;original;",
                          "2;20.06.2026;Nume2 Prenume2;1000000000002;PV 000008;original, anulat;",
                          "3;20.06.2026;Nume3 Prenume3;1000000000003;PV 000009;original;", ""}));

    // Read by a spreadsheet reader of its own: the date is a date, the number a number.
    const TRezultatProces citit = RuleazaProces(
        // The system's interpreter, which Debian's python3-openpyxl serves.
        "/usr/bin/python3",
        {"-c",
         "import sys, openpyxl\n"
         "for r in openpyxl.load_workbook(sys.argv[1]).active.iter_rows(values_only=True):\n"
         "    print('|'.join(v.strftime('%d.%m.%Y') if hasattr(v, 'strftime') else str(v) for v in r))\n",
         Fisier("r.xlsx")},
        QProcessEnvironment::systemEnvironment());
    QVERIFY2(citit.CodIesire == 0, qPrintable(citit.Erori));
    QCOMPARE(citit.Iesire.split('\n').mid(0, 3),
             QStringList({"Nr. inreg.|Data|Numele si prenumele|CNP|Seria si nr.|Fel|Primitor",
                          "1|20.06.2026|POPESCU ANA MARIA|2960523123456|PV 000007|original|None",
                          "2|20.06.2026|Nume2 Prenume2|1000000000002|PV 000008|original, anulat|None"}));

    const QList<QList<TCuvantPdf>> pagini = CuvintePePagini(Fisier("r.pdf"));
    QCOMPARE(pagini.size(), 1);
    QStringList cuvinte;
    for (const TCuvantPdf& c : pagini.first())
        cuvinte << c.Text;
    const QString text = cuvinte.join(' ');
    for (const char* asteptat : {"Scoala Gimnaziala Nr. 5", "Pagina 1 din 1", "Semnatura primitorului",
                                 "POPESCU ANA MARIA 2960523123456 PV 000007 original",
                                 "Nume2 Prenume2 1000000000002 PV 000008 original, anulat"})
        QVERIFY2(text.contains(asteptat), qPrintable(text));
    QVERIFY(text.indexOf("Nume2") < text.indexOf("Nume3"));
}

QTEST_MAIN(TestRegistruPdf)
#include "tst_registrupdf.moc"
