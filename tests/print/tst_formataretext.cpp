#include "base/datainlitere.h"
#include "base/formatarenumere.h"
#include "base/litereromanesti.h"
#include "base/notainlitere.h"

#include <QtTest>
#include <limits>

class TestFormatareText : public QObject {
    Q_OBJECT
private slots:
    void notaInLitere_data();
    void notaInLitere();
    void formateazaSuma_data();
    void formateazaSuma();
    void decodeazaDiacritice_data();
    void decodeazaDiacritice();
    void literele_data();
    void literele();
    void literelePastreazaRestul();
    void doarCifre();
    void date_data();
    void date();
};

void TestFormatareText::notaInLitere_data()
{
    QTest::addColumn<int>("nota");
    QTest::addColumn<QString>("format1");
    QTest::addColumn<QString>("format2");
    QTest::addColumn<QString>("format3");
    QTest::newRow("963") << 963 << "(NOUĂ, ŞAIZECIŞITREI)" << "(NOUĂ, 63)" << "(NOUĂ, 63%)";
    QTest::newRow("905") << 905 << "(NOUĂ, ZEROCINCI)" << "(NOUĂ, 05)" << "(NOUĂ, 05%)";
    QTest::newRow("910") << 910 << "(NOUĂ, ZECE)" << "(NOUĂ, 10)" << "(NOUĂ, 10%)";
    QTest::newRow("900") << 900 << "(NOUĂ)" << "(NOUĂ)" << "(NOUĂ)";
    QTest::newRow("1000") << 1000 << "(ZECE)" << "(ZECE)" << "(ZECE)";
    QTest::newRow("916") << 916 << "(NOUĂ, ŞAISPREZECE)" << "(NOUĂ, 16)" << "(NOUĂ, 16%)";
    QTest::newRow("901") << 901 << "(NOUĂ, ZEROUNU)" << "(NOUĂ, 01)" << "(NOUĂ, 01%)";
    // Ten ignores its hundredths altogether.
    QTest::newRow("1050") << 1050 << "(ZECE)" << "(ZECE)" << "(ZECE)";
    QTest::newRow("999") << 999 << "(NOUĂ, NOUĂZECIŞINOUĂ)" << "(NOUĂ, 99)" << "(NOUĂ, 99%)";
    QTest::newRow("720") << 720 << "(ŞAPTE, DOUĂZECI)" << "(ŞAPTE, 20)" << "(ŞAPTE, 20%)";
    QTest::newRow("614") << 614 << "(ŞASE, PAISPREZECE)" << "(ŞASE, 14)" << "(ŞASE, 14%)";
    QTest::newRow("121") << 121 << "(UNU, DOUĂZECIŞIUNU)" << "(UNU, 21)" << "(UNU, 21%)";
    QTest::newRow("0") << 0 << "()" << "()" << "()";
    QTest::newRow("fara cuvant pentru 0") << 45 << "(, PATRUZECIŞICINCI)" << "(, 45)" << "(, 45%)";
}

void TestFormatareText::notaInLitere()
{
    QFETCH(int, nota);
    QFETCH(QString, format1);
    QFETCH(QString, format2);
    QFETCH(QString, format3);
    QCOMPARE(NotaInLitere(nota, 1), format1);
    QCOMPARE(NotaInLitere(nota, 2), format2);
    QCOMPARE(NotaInLitere(nota, 3), format3);
    QCOMPARE(NotaInLitere(nota, 0), QString());
    QCOMPARE(NotaInLitere(nota, 4), QString());
}

void TestFormatareText::formateazaSuma_data()
{
    QTest::addColumn<int>("zecimale");
    QTest::addColumn<qint64>("suma");
    QTest::addColumn<QString>("text");
    QTest::newRow("fara rotunjire") << 2 << Q_INT64_C(12345678910) << "1.234.567,89";
    QTest::newRow("minus o jumatate") << 2 << Q_INT64_C(-5000) << "-0,50";
    QTest::newRow("fara zecimale") << 0 << Q_INT64_C(12345678910) << "1.234.567";
    QTest::newRow("patru zecimale") << 4 << Q_INT64_C(12345678910) << "1.234.567,8910";
    QTest::newRow("mai mult de patru") << 6 << Q_INT64_C(10001) << "1,0001";
    QTest::newRow("zero") << 2 << Q_INT64_C(0) << "0,00";
    QTest::newRow("trei cifre") << 1 << Q_INT64_C(9990000) << "999,0";
    QTest::newRow("patru cifre") << 0 << Q_INT64_C(10000000) << "1.000";
    QTest::newRow("nota 9,63") << 2 << Q_INT64_C(96300) << "9,63";
    QTest::newRow("cea mai mica suma")
        << 4 << std::numeric_limits<qint64>::min() << "-922.337.203.685.477,5808";
}

void TestFormatareText::formateazaSuma()
{
    QFETCH(int, zecimale);
    QFETCH(qint64, suma);
    QFETCH(QString, text);
    QCOMPARE(FormateazaSuma(zecimale, suma), text);
}

void TestFormatareText::decodeazaDiacritice_data()
{
    QTest::addColumn<QString>("marcat");
    QTest::addColumn<QString>("text");
    QTest::newRow("@@") << "@@" << "@";
    QTest::newRow("a@") << "a@" << "a";
    QTest::newRow("@x") << "@x" << "";
    QTest::newRow("toate") << "@A@H@I@S@T@a@h@i@s@t"
                           << QString::fromUtf16(u"\u0102\u00C2\u00CE\u015E\u0162\u0103\u00E2\u00EE\u015F\u0163");
    QTest::newRow("in text") << "Ba@tc@ani, @@ 5" << "Baţcăni, @ 5";
    QTest::newRow("@@ nu marcheaza urmatoarea") << "@@s" << "@s";
    QTest::newRow("fara marcaje") << "Scoala nr. 1" << "Scoala nr. 1";
}

void TestFormatareText::decodeazaDiacritice()
{
    QFETCH(QString, marcat);
    QFETCH(QString, text);
    QCOMPARE(DecodeazaDiacritice(marcat), text);
}

void TestFormatareText::literele_data()
{
    QTest::addColumn<QString>("mari");
    QTest::addColumn<QString>("mici");
    QTest::newRow("cuvinte") << "(NOUĂ, ŞAIZECIŞITREI)" << "(nouă, şaizecişitrei)";
    QTest::newRow("procent") << "9,63 (NOUĂ, 63%)" << "9,63 (nouă, 63%)";
    QTest::newRow("t cu sedila") << "ŢARĂ" << "ţară";
    QTest::newRow("fara nota") << "----" << "----";
}

void TestFormatareText::literele()
{
    QFETCH(QString, mari);
    QFETCH(QString, mici);
    QCOMPARE(LitereMici(mari), mici);
    QCOMPARE(LitereMari(mici), mari);
}

void TestFormatareText::literelePastreazaRestul()
{
    // Â and Î keep their case; so do letters outside the Romanian set and the comma-below
    // forms, which the certificate's texts never use.
    QCOMPARE(LitereMici("ÂÎâî ÉŘ ȘȚ"), QString("ÂÎâî ÉŘ ȘȚ"));
    QCOMPARE(LitereMari("ÂÎâî éř șț"), QString("ÂÎâî éř șț"));
}

void TestFormatareText::doarCifre()
{
    QCOMPARE(DoarCifre("1 850 607-12 34 5x"), QString("185060712345"));
    QCOMPARE(DoarCifre("fara"), QString());
    // Digits of other scripts are not digits of a personal code.
    QCOMPARE(DoarCifre(QString::fromUtf16(u"7\u0663\uFF18")), QString("7"));
}

void TestFormatareText::date_data()
{
    QTest::addColumn<QDate>("data");
    QTest::addColumn<QString>("inLitere");
    QTest::addColumn<QString>("ziLuna");
    QTest::addColumn<QString>("scurta");
    QTest::newRow("7 iunie") << QDate(2006, 6, 7) << "7 iunie 2006" << "07/06" << "07/06/06";
    QTest::newRow("ianuarie") << QDate(1999, 1, 31) << "31 ianuarie 1999" << "31/01" << "31/01/99";
    QTest::newRow("decembrie") << QDate(2010, 12, 1) << "1 decembrie 2010" << "01/12" << "01/12/10";
    QTest::newRow("an scurt") << QDate(987, 3, 15) << "15 martie 0987" << "15/03" << "15/03/7?";
    QTest::newRow("invalida") << QDate() << "" << "" << "";
}

void TestFormatareText::date()
{
    QFETCH(QDate, data);
    QFETCH(QString, inLitere);
    QFETCH(QString, ziLuna);
    QFETCH(QString, scurta);
    QCOMPARE(DataInLitere(data), inLitere);
    QCOMPARE(DataZiLuna(data), ziLuna);
    QCOMPARE(DataScurta(data), scurta);
}

QTEST_GUILESS_MAIN(TestFormatareText)
#include "tst_formataretext.moc"
