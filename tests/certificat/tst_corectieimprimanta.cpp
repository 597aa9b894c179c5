#include "base/eroare.h"
#include "certificat/corectieimprimanta.h"
#include "certificat/foaiecalibrare.h"

#include <QtTest>
#include <cmath>

namespace {

const double DeplasareMaxima = 20.0;

// The readings of the sheet on a printer that puts a point sent at p at scale × p + offset,
// each reading off by the given error (a ruler's).
TCitiriCalibrare Citiri(const TMasuratoareImprimanta& imprimanta, const TCitiriCalibrare& eroare = {})
{
    return {imprimanta.X.Scara * CruceA.x() + imprimanta.X.DeplasareMm + eroare[0],
            imprimanta.Y.Scara * CruceA.y() + imprimanta.Y.DeplasareMm + eroare[1],
            imprimanta.X.Scara * CruceB.x() + imprimanta.X.DeplasareMm + eroare[2],
            imprimanta.Y.Scara * CruceB.y() + imprimanta.Y.DeplasareMm + eroare[3]};
}

QPointF Ajunge(const TMasuratoareImprimanta& imprimanta, const QPointF& trimis)
{
    return {imprimanta.X.Scara * trimis.x() + imprimanta.X.DeplasareMm,
            imprimanta.Y.Scara * trimis.y() + imprimanta.Y.DeplasareMm};
}

} // namespace

Q_DECLARE_METATYPE(TMasuratoareImprimanta)

class TestCorectieImprimanta : public QObject {
    Q_OBJECT
private slots:
    void masurataSiAnulata_data();
    void masurataSiAnulata();
    void citiriRefuzate_data();
    void citiriRefuzate();
    void faraScaraMargineaSingura();
};

void TestCorectieImprimanta::masurataSiAnulata_data()
{
    QTest::addColumn<TMasuratoareImprimanta>("imprimanta");
    QTest::addColumn<TCitiriCalibrare>("eroare");
    // The worst a ruler reading does: a tenth of a millimetre either way, on each cross.
    const TCitiriCalibrare rigla{0.1, -0.1, -0.1, 0.1};
    QTest::newRow("perfecta") << TMasuratoareImprimanta{} << TCitiriCalibrare{};
    QTest::newRow("scara si deplasare") << TMasuratoareImprimanta{{0.994, 2.1}, {1.006, -1.3}} << TCitiriCalibrare{};
    QTest::newRow("doar orizontala") << TMasuratoareImprimanta{{1.01, -3.0}, {1.0, 0.0}} << TCitiriCalibrare{};
    QTest::newRow("doar verticala") << TMasuratoareImprimanta{{1.0, 0.0}, {0.985, 4.5}} << TCitiriCalibrare{};
    QTest::newRow("la margini") << TMasuratoareImprimanta{{1.049, -12.0}, {0.951, 12.0}} << TCitiriCalibrare{};
    QTest::newRow("citiri cu zgomot") << TMasuratoareImprimanta{{0.994, 2.1}, {1.006, -1.3}} << rigla;
}

// The measurement finds the printer back from its readings, and its correction sends every
// point of the card where that printer lands it on its design (off by the readings' error at
// most).
void TestCorectieImprimanta::masurataSiAnulata()
{
    QFETCH(TMasuratoareImprimanta, imprimanta);
    QFETCH(TCitiriCalibrare, eroare);
    const TMasuratoareImprimanta gasita = CalculeazaMasuratoarea(Citiri(imprimanta, eroare), CruceA, CruceB,
                                                                 HartieCalibrare, DeplasareMaxima);
    const bool exacte = eroare == TCitiriCalibrare{};
    // Two readings off by a tenth either way tilt a scale by 0.2 mm over the crosses' distance.
    const double precizieX = exacte ? 1e-9 : 0.2 / (CruceB.x() - CruceA.x()) + 1e-6;
    const double precizieY = exacte ? 1e-9 : 0.2 / (CruceB.y() - CruceA.y()) + 1e-6;
    QVERIFY2(qAbs(gasita.X.Scara - imprimanta.X.Scara) < precizieX, qPrintable(QString::number(gasita.X.Scara, 'g', 12)));
    QVERIFY2(qAbs(gasita.Y.Scara - imprimanta.Y.Scara) < precizieY, qPrintable(QString::number(gasita.Y.Scara, 'g', 12)));
    QVERIFY(qAbs(gasita.X.DeplasareMm - imprimanta.X.DeplasareMm) < (exacte ? 1e-9 : 0.15));
    QVERIFY(qAbs(gasita.Y.DeplasareMm - imprimanta.Y.DeplasareMm) < (exacte ? 1e-9 : 0.15));

    const TCorectiePagina corectie = TCorectiePagina::Anuleaza(gasita);
    // Between the crosses a point is off by the readings' error at most; out to the paper's
    // edges the tilt adds a little.
    const double abatereMaxima = exacte ? 1e-9 : 0.13;
    for (const QRectF& proiectata : {QRectF(42.2, 76.6, 47.2, 5.2), QRectF(256.4, 133.8, 22.6, 5.8),
                                     QRectF(0, 0, 297, 210), QRectF(CruceA, CruceB)}) {
        const QRectF ceruta = corectie.Ceruta(proiectata);
        for (const auto& [proiectat, trimis] : {std::pair{proiectata.topLeft(), ceruta.topLeft()},
                                                std::pair{proiectata.bottomRight(), ceruta.bottomRight()}}) {
            const QPointF ajuns = Ajunge(imprimanta, trimis);
            QVERIFY2(qAbs(ajuns.x() - proiectat.x()) <= abatereMaxima && qAbs(ajuns.y() - proiectat.y()) <= abatereMaxima,
                     qPrintable(QString("%1,%2 in loc de %3,%4")
                                    .arg(ajuns.x()).arg(ajuns.y()).arg(proiectat.x()).arg(proiectat.y())));
        }
    }
}

void TestCorectieImprimanta::citiriRefuzate_data()
{
    QTest::addColumn<TCitiriCalibrare>("citiri");
    QTest::addColumn<QString>("motiv");
    QTest::newRow("crucile inversate") << TCitiriCalibrare{277, 190, 20, 20} << "scara de -100,00 % pe orizontala";
    QTest::newRow("scara sub 95 %") << TCitiriCalibrare{20, 20, 263, 190} << "scara de 94,55 % pe orizontala";
    QTest::newRow("scara peste 105 %") << TCitiriCalibrare{20, 20, 277, 199} << "scara de 105,29 % pe verticala";
    QTest::newRow("deplasare peste 20 mm") << TCitiriCalibrare{0, 20, 267, 190} << "deplasare de -20,8 mm pe orizontala";
    QTest::newRow("in afara foii, negativ") << TCitiriCalibrare{-0.5, 20, 277, 190} << "Citirea X1 (-0,5 mm) iese din foaie";
    QTest::newRow("in afara foii, jos") << TCitiriCalibrare{20, 20, 277, 210.5} << "Citirea Y2 (210,5 mm) iese din foaie";
    QTest::newRow("nu e numar") << TCitiriCalibrare{20, std::nan(""), 277, 190} << "Citirea Y1";
    QTest::newRow("infinit") << TCitiriCalibrare{20, 20, INFINITY, 190} << "Citirea X2";
}

void TestCorectieImprimanta::citiriRefuzate()
{
    QFETCH(TCitiriCalibrare, citiri);
    QFETCH(QString, motiv);
    try {
        CalculeazaMasuratoarea(citiri, CruceA, CruceB, HartieCalibrare, DeplasareMaxima);
        QFAIL("citirile trebuiau refuzate");
    } catch (const EEroare& e) {
        QVERIFY2(e.Mesaj().contains(motiv), qPrintable(e.Mesaj()));
    }
}

// A page never measured asks for exactly what its margins alone asked for: the same sums,
// to the last bit.
void TestCorectieImprimanta::faraScaraMargineaSingura()
{
    const double stanga = 0.7, sus = -0.4;
    const TCorectiePagina corectie(stanga, sus);
    for (const QRectF& arie : {QRectF(42.15097954919065, 76.6, 47.18393233118357, 5.2), QRectF(0.1, 0.2, 0.3, 0.7)}) {
        const QRectF ceruta = corectie.Ceruta(arie);
        QVERIFY(ceruta.left() == arie.left() + stanga);
        QVERIFY(ceruta.top() == arie.top() + sus);
        QVERIFY(ceruta.width() == arie.width());
        QVERIFY(ceruta.height() == arie.height());
    }
}

QTEST_MAIN(TestCorectieImprimanta)
#include "tst_corectieimprimanta.moc"
