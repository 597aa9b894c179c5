#include "registre/formatnumar.h"
#include "registre/textcelula.h"

#include <QtTest>

// Texts a Romanian spreadsheet shows for these formats and values.
class TestFormatNumar : public QObject {
    Q_OBJECT
private slots:
    void aplica_data();
    void aplica();
    void sistem1904();
    void incorporate();
    void cnpScrisCaNumar();
    void textCuratat();
};

void TestFormatNumar::aplica_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("valoare");
    QTest::addColumn<QString>("text");
    // General: at most 11 characters, integers whole when they fit.
    QTest::newRow("general zero") << "General" << 0.0 << "0";
    QTest::newRow("general o treime") << "General" << 1.0 / 3 << "0,333333333";
    QTest::newRow("general minus o treime") << "General" << -1.0 / 3 << "-0,333333333";
    QTest::newRow("general 11 cifre") << "General" << 12345678901.0 << "12345678901";
    QTest::newRow("general 12 cifre") << "General" << 123456789012.0 << "1,23457E+11";
    QTest::newRow("general mic") << "General" << 0.000012345678 << "1,23457E-05";
    QTest::newRow("general 1E-05") << "General" << 0.00001 << "1E-05";
    // The smallest doubles are subnormal: the power of ten for them underflows, and they carry
    // few digits; shown as a spreadsheet shows them.
    QTest::newRow("general subnormal minim") << "General" << 4.9e-324 << "4,9E-324";
    QTest::newRow("general subnormal") << "General" << -1.5e-315 << "-1,5E-315";
    QTest::newRow("general sub 1E-300") << "General" << 1.23456789e-305 << "1,2346E-305";
    QTest::newRow("exponent subnormal") << "0.00E+00" << 4.9e-324 << "4,94E-324";
    QTest::newRow("general 0,0001") << "General" << 0.0001 << "0,0001";
    QTest::newRow("general media") << "General" << 28.0 / 3 << "9,333333333";
    QTest::newRow("general 0,1+0,2") << "General" << 0.1 + 0.2 << "0,3";
    QTest::newRow("general 9,25") << "general" << 9.25 << "9,25";
    QTest::newRow("general cu text") << "General\" lei\"" << 12.5 << "12,5 lei";
    // Digits, rounding half away from zero on the value taken to 15 digits.
    QTest::newRow("0 9,5") << "0" << 9.5 << "10";
    QTest::newRow("0 8,5") << "0" << 8.5 << "9";
    QTest::newRow("0 6,45") << "0" << 6.45 << "6";
    QTest::newRow("0 -2,5") << "0" << -2.5 << "-3";
    QTest::newRow("0.00 9,5") << "0.00" << 9.5 << "9,50";
    QTest::newRow("0.00 6,455") << "0.00" << 6.455 << "6,46";
    QTest::newRow("0.0 6,45") << "0.0" << 6.45 << "6,5";
    QTest::newRow("000000") << "000000" << 123.0 << "000123";
    QTest::newRow("40 de zecimale") << QString("0." + QString(40, u'0')) << 0.5 << QString("0," + QString(39, u'0')).insert(2, u'5');
    QTest::newRow("#.## intreg") << "#.##" << 5.0 << "5,";
    QTest::newRow("#.## subunitar") << "#.##" << 0.5 << ",5";
    QTest::newRow("0.0# o zecimala") << "0.0#" << 1.5 << "1,5";
    QTest::newRow("grupare") << "#,##0" << 1234567.0 << "1.234.567";
    QTest::newRow("grupare rotunjita") << "#,##0" << 999.5 << "1.000";
    QTest::newRow("grupare zecimale") << "#,##0.00" << -1234.5 << "-1.234,50";
    QTest::newRow("scalare") << "0," << 12345.0 << "12";
    QTest::newRow("scalare milioane") << "#,##0,,\" mil\"" << 1234567890.0 << "1.235 mil";
    QTest::newRow("procent") << "0%" << 0.96 << "96%";
    QTest::newRow("procent peste double") << "0.0E+0%%%" << 1e305 << "#NUM!";
    QTest::newRow("procent zecimale") << "0.00%" << 0.12345 << "12,35%";
    QTest::newRow("exponent") << "0.00E+00" << 12345.0 << "1,23E+04";
    QTest::newRow("exponent negativ") << "0.00E+00" << 0.00012 << "1,20E-04";
    QTest::newRow("exponent rotunjit") << "0.0E+00" << 9.99 << "1,0E+01";
    QTest::newRow("exponent ingineresc") << "##0.0E+0" << 12345.0 << "12,3E+3";
    // Sections, literals, brackets.
    QTest::newRow("lei negativ") << "#,##0 \"lei\";-#,##0 \"lei\"" << -5.0 << "-5 lei";
    QTest::newRow("paranteze") << "#,##0;(#,##0)" << -1234.0 << "(1.234)";
    QTest::newRow("sectiunea zero") << "0;-0;\"zero\"" << 0.0 << "zero";
    QTest::newRow("culoare") << "[Red]0.00" << 3.0 << "3,00";
    QTest::newRow("conditie adevarata") << "[>=5]\"admis\";\"respins\"" << 7.0 << "admis";
    QTest::newRow("conditie falsa") << "[>=5]\"admis\";\"respins\"" << 4.0 << "respins";
    QTest::newRow("escape") << "0\\ \\b\\u\\c" << 3.0 << "3 buc";
    QTest::newRow("spatiu si umplere") << "_(* 0_)" << 3.0 << " 3 ";
    QTest::newRow("moneda") << "[$€-x-euro] #,##0.00" << 1500.0 << "€ 1.500,00";
    QTest::newRow("arond text") << "@" << 5.0 << "5";
    // Dates and times; "/" is the regional date separator.
    QTest::newRow("dd/mm/yyyy") << "dd/mm/yyyy" << 40772.0 << "17.08.2011";
    QTest::newRow("d mmmm yyyy") << "d mmmm yyyy" << 40772.0 << "17 august 2011";
    QTest::newRow("ziua saptamanii") << "dddd, d mmm yy" << 40772.0 << "miercuri, 17 aug. 11";
    QTest::newRow("luna o litera") << "mmmmm" << 40772.0 << "a";
    QTest::newRow("data si ora") << "yyyy-mm-dd hh:mm" << 40772.5 << "2011-08-17 12:00";
    QTest::newRow("ora") << "h:mm" << 0.5 << "12:00";
    QTest::newRow("secunde") << "hh:mm:ss" << 0.75 + 1.0 / 86400 << "18:00:01";
    QTest::newRow("AM/PM") << "h:mm AM/PM" << 0.75 << "6:00 PM";
    QTest::newRow("ore scurse") << "[h]:mm" << 1.5 << "36:00";
    QTest::newRow("zecimi de secunda") << "mm:ss.0" << 1.5 / 86400 << "00:01,5";
    QTest::newRow("29.02.1900") << "dd.mm.yyyy" << 60.0 << "29.02.1900";
    QTest::newRow("01.01.1900") << "dd.mm.yyyy" << 1.0 << "01.01.1900";
    QTest::newRow("01.03.1900") << "dd.mm.yyyy" << 61.0 << "01.03.1900";
    // Fractions: the closest one the denominator's digits allow, the integer part apart.
    QTest::newRow("fractie o jumatate") << "# ?/?" << 0.5 << "1/2";
    QTest::newRow("fractie cu intregi") << "# ?/?" << 1.25 << "1 1/4";
    QTest::newRow("fractie negativa") << "# ?/?" << -2.75 << "-2 3/4";
    QTest::newRow("fractie intreaga") << "# ?/?" << 3.0 << "3";
    QTest::newRow("fractie rotunjita in sus") << "# ?/?" << 1.99 << "2";
    QTest::newRow("fractie o treime cu doua cifre") << "# ?" "?/?" "?" << 0.3333 << "1/3";
    QTest::newRow("fractie pi") << "# ?" "?/?" "?" << 3.14159265 << "3 14/99";
    QTest::newRow("fractie improprie") << "?/?" << 1.5 << "3/2";
    QTest::newRow("fractie cu numitor fix") << "# ?/8" << 0.3 << "2/8";
    QTest::newRow("fractie zero") << "# ?/?" << 0.0 << "0";
}

void TestFormatNumar::aplica()
{
    QFETCH(QString, format);
    QFETCH(double, valoare);
    QFETCH(QString, text);
    QCOMPARE(TFormatNumar(format).Aplica(valoare), text);
}

void TestFormatNumar::sistem1904()
{
    // The same calendar date, stored 1462 days lower.
    QCOMPARE(TFormatNumar(QStringLiteral("dd/mm/yyyy")).Aplica(39310, true), QStringLiteral("17.08.2011"));
    QCOMPARE(TFormatNumar(QStringLiteral("dd.mm.yyyy")).Aplica(0, true), QStringLiteral("01.01.1904"));
}

void TestFormatNumar::incorporate()
{
    QCOMPARE(TFormatNumar(FormatIncorporat(14)).Aplica(40772), QStringLiteral("17.08.2011"));
    QCOMPARE(TFormatNumar(FormatIncorporat(2)).Aplica(9.5), QStringLiteral("9,50"));
    QCOMPARE(TFormatNumar(FormatIncorporat(10)).Aplica(0.5), QStringLiteral("50,00%"));
    QCOMPARE(TFormatNumar(FormatIncorporat(12)).Aplica(2.5), QStringLiteral("2 1/2"));
    QCOMPARE(TFormatNumar(FormatIncorporat(13)).Aplica(0.16), QStringLiteral("4/25"));
    QCOMPARE(TFormatNumar(FormatIncorporat(15)).Aplica(40772), QStringLiteral("17-aug.-11"));
    QCOMPARE(TFormatNumar(FormatIncorporat(46)).Aplica(1.25), QStringLiteral("30:00:00"));
    QCOMPARE(TFormatNumar(FormatIncorporat(0)).Aplica(2.5), QStringLiteral("2,5"));
    QCOMPARE(FormatIncorporat(164), QStringLiteral("General"));
}

void TestFormatNumar::cnpScrisCaNumar()
{
    const TFormatNumar general;
    // General would show "5,11071E+12": every pupil of such a column would be dropped.
    QCOMPARE(general.Aplica(5110711234567.0), QStringLiteral("5,11071E+12"));
    QCOMPARE(TextNumeric(5110711234567.0, general, false), QStringLiteral("5110711234567"));
    QCOMPARE(TextNumeric(5110711234567.0, TFormatNumar(QStringLiteral("0.00")), false), QStringLiteral("5110711234567"));
    QCOMPARE(TextNumeric(1000000000000.0, general, false), QStringLiteral("1000000000000"));
    // Not 13 digits, or not an integer: the format decides.
    QCOMPARE(TextNumeric(511071123456.0, general, false), QStringLiteral("5,11071E+11"));
    QCOMPARE(TextNumeric(5110711234567.5, general, false), QStringLiteral("5,11071E+12"));
    QCOMPARE(TextNumeric(-5110711234567.0, general, false), QStringLiteral("-5,11071E+12"));
}

void TestFormatNumar::textCuratat()
{
    QCOMPARE(TextCuratat(QStringLiteral(" \t\x01Ștefan Țurcanu ș ț\r\n")), QStringLiteral("Ştefan Ţurcanu ş ţ"));
    QCOMPARE(TextCuratat(QStringLiteral("Ăâî Ş\u00a0")), QStringLiteral("Ăâî Ş"));
    QCOMPARE(TextCuratat(QString()), QString());
}

QTEST_APPLESS_MAIN(TestFormatNumar)
#include "tst_formatnumar.moc"
