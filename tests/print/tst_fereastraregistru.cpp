// The "Registru" window on a real register: search, sort, a hand-over and a voiding recorded
// from the window and shown in the entry's history.
#include "print/fereastraregistru.h"
#include "support/mediutest.h"

#include <QLineEdit>
#include <QTableView>
#include <QtTest>

namespace {

QStringList Coloana(const QTableView& tabel, int coloana)
{
    QStringList valori;
    for (int r = 0; r < tabel.model()->rowCount(); ++r)
        valori << tabel.model()->index(r, coloana).data().toString();
    return valori;
}

void Alege(QTableView& tabel, const QString& nume)
{
    for (int r = 0; r < tabel.model()->rowCount(); ++r)
        if (tabel.model()->index(r, 2).data().toString() == nume)
            tabel.selectRow(r);
}

} // namespace

class TestFereastraRegistru : public QObject {
    Q_OBJECT
private slots:
    void cautaSorteazaPredaSiAnuleaza();
};

void TestFereastraRegistru::cautaSorteazaPredaSiAnuleaza()
{
    TMediuTest mediu;
    TDM& dm = mediu.PornesteDM();
    TRegistruCertificate registru(dm.Tr());
    registru.StabilesteUrmatorulNrInregistrare(8);
    registru.Inregistreaza({"PV", 9, QDate(2026, 6, 20),
                            {{1, "Zamfir Ion", "1960101123456"}, {2, "Albu Ana", "2960202123456"},
                             {3, "Marin Dan", "1960303123456"}},
                            TReluare::Refuza});
    TFereastraRegistru fereastra;
    fereastra.show();
    QTableView& tabel = *fereastra.Tabel();
    QCOMPARE(Coloana(tabel, 0), QStringList({"8", "9", "10"}));
    QCOMPARE(Coloana(tabel, 4), QStringList({"PV 000009", "PV 000010", "PV 000011"}));

    tabel.sortByColumn(2, Qt::AscendingOrder);
    QCOMPARE(Coloana(tabel, 2), QStringList({"Albu Ana", "Marin Dan", "Zamfir Ion"}));
    // Numbers sort as numbers, not as text ("10" after "9").
    tabel.sortByColumn(0, Qt::DescendingOrder);
    QCOMPARE(Coloana(tabel, 0), QStringList({"10", "9", "8"}));

    // A search leaves its first match selected, and an entry acted on stays selected after
    // the window reads the register again, so that the keyboard alone goes from one to the next.
    fereastra.Cautare()->setText("2960202");
    QCOMPARE(Coloana(tabel, 2), QStringList{"Albu Ana"});
    QVERIFY(fereastra.PredaSelectata("Albu Maria (mama)"));
    fereastra.Cautare()->clear();
    QVERIFY(fereastra.AnuleazaSelectata("pierdut la posta"));
    Alege(tabel, "Albu Ana");
    QVERIFY_THROWS_EXCEPTION(EEroare, fereastra.PredaSelectata("altcineva"));
    const QStringList istoric = fereastra.IstoricSelectata();
    QCOMPARE(istoric.size(), 3);
    QVERIFY2(istoric.at(1).contains("predat") && istoric.at(1).endsWith(": primit de Albu Maria (mama)"),
             qPrintable(istoric.join('\n')));
    QVERIFY2(istoric.at(2).contains("anulat") && istoric.at(2).endsWith(": pierdut la posta"),
             qPrintable(istoric.join('\n')));
    // The order chosen stays after the window reads the register again.
    QCOMPARE(Coloana(tabel, 0), QStringList({"10", "9", "8"}));
    QCOMPARE(Coloana(tabel, 6), QStringList({"tiparit", "anulat", "tiparit"}));
    QCOMPARE(Coloana(tabel, 7), QStringList({"", "Albu Maria (mama)", ""}));
}

QTEST_MAIN(TestFereastraRegistru)
#include "tst_fereastraregistru.moc"
