#include "certificat/foaiecalibrare.h"
#include "print/allstuffreg.h"
#include "support/cuvintepdf.h"
#include "support/elevcomplet.h"
#include "support/mediutest.h"
#include "support/procestest.h"

#include <QtTest>

namespace {

const double Latime = 297;
const double Inaltime = 210;
const double Toleranta = 0.2;
const int Dpi = 400;

// A printer that misplaces what it is sent: a point sent at p millimetres lands at
// scale × p + offset on the sheet as it comes out, per axis.
struct TImprimantaSimulata {
    double ScaraX = 0.994;
    double ScaraY = 1.006;
    double DeplasareX = 2.1;
    double DeplasareY = -1.3;

    // Where a point of a PDF page lands, read as the card is read: a page printed turned
    // comes out upside down and is turned back by the reader.
    QPointF Citit(const QPointF& trimis, bool oglinda) const
    {
        const QPointF iesit(ScaraX * trimis.x() + DeplasareX, ScaraY * trimis.y() + DeplasareY);
        return oglinda ? QPointF(Latime - iesit.x(), Inaltime - iesit.y()) : iesit;
    }
    // Where a point must be sent to be read at a place of the card.
    QPointF DeTrimis(const QPointF& citit, bool oglinda) const
    {
        const QPointF iesit = oglinda ? QPointF(Latime - citit.x(), Inaltime - citit.y()) : citit;
        return {(iesit.x() - DeplasareX) / ScaraX, (iesit.y() - DeplasareY) / ScaraY};
    }
};

// Where a point of the card goes on an unmeasured, perfect printer's PDF page.
QPointF PePagina(const QPointF& pePagina, bool oglinda)
{
    return oglinda ? QPointF(Latime - pePagina.x(), Inaltime - pePagina.y()) : pePagina;
}

// The centre of the cross expected near a point of a one-page PDF, in millimetres of the
// page: the centroid of the ink, weighted by its darkness, finer than a pixel.
std::optional<QPointF> CentruCruce(const QImage& pagina, const QPointF& aproapeMm)
{
    const double k = Dpi / 25.4;
    const QRect fereastra = QRectF((aproapeMm - QPointF(6, 6)) * k, (aproapeMm + QPointF(6, 6)) * k).toAlignedRect();
    double greutate = 0;
    QPointF suma;
    for (int y = fereastra.top(); y <= fereastra.bottom(); ++y)
        for (int x = fereastra.left(); x <= fereastra.right(); ++x) {
            const int cerneala = 255 - qGray(pagina.pixel(x, y));
            greutate += cerneala;
            suma += QPointF(x + 0.5, y + 0.5) * cerneala;
        }
    if (greutate == 0)
        return std::nullopt;
    return suma / greutate / k;
}

QString Text(const QPointF& punct)
{
    return QStringLiteral("(%1, %2)").arg(punct.x(), 0, 'f', 2).arg(punct.y(), 0, 'f', 2);
}

} // namespace

class TestCalibrareImprimanta : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void textulAjungePeLiniiPrinImprimantaSimulata();
    void citiriGresiteRefuzateFaraSchimbari();

private:
    TRezultatProces Ruleaza(const QStringList& argumente) const;
    // The readings of a side's sheet pushed through the simulated printer; fails the test
    // when a cross is not where the sheet says it is.
    QStringList Citiri(const QString& pagina, bool oglinda, bool verificare);
    // Every word of both sides, each page's list in the PDF's order.
    QList<QList<TCuvantPdf>> Certificat(const QString& nume);

    std::unique_ptr<TMediuTest> m_mediu;
    TImprimantaSimulata m_imprimanta;
    int m_idElev = -1;
};

void TestCalibrareImprimanta::init()
{
    m_mediu = std::make_unique<TMediuTest>();
    m_idElev = AdaugaElevComplet(m_mediu->PornesteDM());
    m_mediu->OpresteDM();
    // The back prints turned, the front not.
    TAllStuffReg setari;
    setari.OglindescFata = QStringLiteral("N");
    setari.OglindescVerso = QStringLiteral("D");
}

void TestCalibrareImprimanta::cleanup()
{
    m_mediu.reset();
}

TRezultatProces TestCalibrareImprimanta::Ruleaza(const QStringList& argumente) const
{
    return RuleazaProgramul(argumente, m_mediu->Dosar());
}

QStringList TestCalibrareImprimanta::Citiri(const QString& pagina, bool oglinda, bool verificare)
{
    const QString pdf = m_mediu->Dosar() + "/foaie-" + pagina + (verificare ? "-verificare" : "") + ".pdf";
    QStringList argumente{"--calibration-sheet", pdf, "--page", pagina};
    if (verificare)
        argumente << "--verify";
    const TRezultatProces rezultat = Ruleaza(argumente);
    if (rezultat.CodIesire != 0)
        qWarning("%s", qPrintable(rezultat.Erori));
    const QImage imagine = PaginaPdf(pdf, Dpi);
    if (imagine.isNull())
        return {};
    QStringList citiri;
    for (const QPointF& cruce : {CruceA, CruceB}) {
        // Uncorrected, the sheet puts each cross at its designed place; corrected, where this
        // printer needs it.
        const QPointF asteptat = verificare ? m_imprimanta.DeTrimis(cruce, oglinda) : PePagina(cruce, oglinda);
        const std::optional<QPointF> gasit = CentruCruce(imagine, asteptat);
        if (!gasit || QLineF(*gasit, asteptat).length() > 0.15) {
            qWarning("crucea de la %s lipseste sau e in alta parte (%s)", qPrintable(Text(asteptat)),
                     qPrintable(gasit ? Text(*gasit) : QString()));
            return {};
        }
        const QPointF citit = m_imprimanta.Citit(*gasit, oglinda);
        citiri << QString::number(citit.x(), 'f', 3) << QString::number(citit.y(), 'f', 3);
    }
    return citiri;
}

QList<QList<TCuvantPdf>> TestCalibrareImprimanta::Certificat(const QString& nume)
{
    const QString pdf = m_mediu->Dosar() + "/" + nume + ".pdf";
    const TRezultatProces rezultat =
        Ruleaza({"--print-pdf", pdf, "--pupil", QString::number(m_idElev), "--page", "ambele"});
    if (rezultat.CodIesire != 0)
        qWarning("%s", qPrintable(rezultat.Erori));
    return CuvintePePagini(pdf);
}

// The sheets are measured as a printer of known scale and offset would print them; once
// calibrated, every word of both sides, pushed through the same printer, lands where a
// perfect printer puts it uncorrected, the turned back included; so do the verification
// sheets' crosses.
void TestCalibrareImprimanta::textulAjungePeLiniiPrinImprimantaSimulata()
{
    const QList<QList<TCuvantPdf>> proiectat = Certificat("proiectat");
    QCOMPARE(proiectat.size(), 2);
    const QStringList fata = Citiri("fata", false, false);
    const QStringList spate = Citiri("spate", true, false);
    QCOMPARE(fata.size(), 4);
    QCOMPARE(spate.size(), 4);
    for (const auto& [pagina, citiri] : {std::pair{QString("fata"), fata}, std::pair{QString("spate"), spate}}) {
        const TRezultatProces rezultat = Ruleaza({"--calibrate", pagina, "--measured", citiri.join(',')});
        QVERIFY2(rezultat.CodIesire == 0, qPrintable(rezultat.Erori));
        QVERIFY2(rezultat.Iesire.startsWith("Scara: 99,"), qPrintable(rezultat.Iesire));
        qInfo("%s: %s", qPrintable(pagina), qPrintable(rezultat.Iesire.trimmed()));
    }
    {
        // The margins are the offsets' corrections, as the prompt will show them.
        const TAllStuffReg setari;
        QVERIFY2(qAbs(setari.MargineStangaFata + 2.1) < 0.05, qPrintable(QString::number(setari.MargineStangaFata)));
        QVERIFY2(qAbs(setari.MargineSusFata - 1.3) < 0.05, qPrintable(QString::number(setari.MargineSusFata)));
        for (const TPaginaCertificat parte : {TPaginaCertificat::Fata, TPaginaCertificat::Spate}) {
            const TCorectiePagina corectie = setari.Corectie(parte);
            QVERIFY2(qAbs(corectie.ScaraX() - 0.994) < 1e-3 && qAbs(corectie.ScaraY() - 1.006) < 1e-3,
                     qPrintable(QString("%1 x %2").arg(corectie.ScaraX()).arg(corectie.ScaraY())));
        }
    }

    const QList<QList<TCuvantPdf>> corectat = Certificat("corectat");
    QCOMPARE(corectat.size(), 2);
    double celMaiRau = 0;
    for (int p = 0; p < 2; ++p) {
        const bool oglinda = p == 1;
        QCOMPARE(corectat.at(p).size(), proiectat.at(p).size());
        QVERIFY(proiectat.at(p).size() > 20);
        for (qsizetype i = 0; i < proiectat.at(p).size(); ++i) {
            const TCuvantPdf& ideal = proiectat.at(p).at(i);
            const TCuvantPdf& tiparit = corectat.at(p).at(i);
            QCOMPARE(tiparit.Text, ideal.Text);
            const QPointF asteptat = PePagina(ideal.Cutie.center(), oglinda);
            const QPointF ajuns = m_imprimanta.Citit(tiparit.Cutie.center(), oglinda);
            const double abatere = std::max(qAbs(ajuns.x() - asteptat.x()), qAbs(ajuns.y() - asteptat.y()));
            celMaiRau = std::max(celMaiRau, abatere);
            QVERIFY2(abatere <= Toleranta, qPrintable(QString("pagina %1, \"%2\": %3 in loc de %4")
                                                          .arg(p).arg(ideal.Text, Text(ajuns), Text(asteptat))));
        }
    }
    qInfo("abaterea cea mai mare a unui cuvant: %.3f mm", celMaiRau);

    for (const auto& [pagina, oglinda] : {std::pair{QString("fata"), false}, std::pair{QString("spate"), true}}) {
        const QStringList verificare = Citiri(pagina, oglinda, true);
        QCOMPARE(verificare.size(), 4);
        const QList<QPointF> cruci{CruceA, CruceB};
        for (int c = 0; c < 2; ++c) {
            const QPointF citit(verificare.at(2 * c).toDouble(), verificare.at(2 * c + 1).toDouble());
            QVERIFY2(QLineF(citit, cruci.at(c)).length() <= Toleranta,
                     qPrintable(pagina + ": " + Text(citit) + " in loc de " + Text(cruci.at(c))));
            qInfo("verificare %s, crucea %d: %s", qPrintable(pagina), c, qPrintable(Text(citit)));
        }
    }
}

void TestCalibrareImprimanta::citiriGresiteRefuzateFaraSchimbari()
{
    const struct {
        QStringList Argumente;
        const char* Mesaj;
    } cazuri[] = {
        {{"--calibrate", "fata", "--measured", "20,20,20,190"}, "scara"},
        {{"--calibrate", "spate", "--measured", "45,20,302,190"}, "X2"},
        {{"--calibrate", "fata", "--measured", "20,20,277"}, "patru distante"},
        {{"--calibrate", "fata", "--measured", "20,20,277,1e9x"}, "1e9x"},
        {{"--calibrate", "ambele", "--measured", "20,20,277,190"}, "fata sau spate"},
        {{"--calibrate", "fata"}, "--measured"},
    };
    for (const auto& caz : cazuri) {
        const TRezultatProces rezultat = Ruleaza(caz.Argumente);
        QCOMPARE(rezultat.CodIesire, 2);
        QVERIFY2(rezultat.Erori.contains(QString::fromUtf8(caz.Mesaj)), qPrintable(rezultat.Erori));
    }
    const TAllStuffReg setari;
    QCOMPARE(setari.MargineStangaFata, 0.0);
    QCOMPARE(setari.MargineSusVerso, 0.0);
    QCOMPARE(setari.Corectie(TPaginaCertificat::Fata).ScaraX(), 1.0);
    QCOMPARE(setari.Corectie(TPaginaCertificat::Spate).ScaraY(), 1.0);
}

QTEST_MAIN(TestCalibrareImprimanta)
#include "tst_calibrareimprimanta.moc"
