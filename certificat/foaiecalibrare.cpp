#include "certificat/foaiecalibrare.h"

#include "certificat/arietext.h"
#include "certificat/desenarepagina.h"

#include <QImage>
#include <QPainter>

namespace {

const double LaturaCruceMm = 8.0;
const double MarimeTextMm = 3.6;
const double InaltimeRandMm = 6.0;

QString Mm(double valoare)
{
    return QString::number(valoare, 'f', 1).replace(u'.', u',');
}

// "A: 20,0 mm / 20,0 mm": the distances from the paper's left and top edges.
QString Eticheta(const QString& litera, const QPointF& cruce)
{
    return QStringLiteral("%1: %2 mm / %3 mm").arg(litera, Mm(cruce.x()), Mm(cruce.y()));
}

TArieUmpluta Text(const QRectF& loc, const QString& text, Qt::Alignment aliniere = Qt::AlignLeft, bool ingrosat = false)
{
    return ArieText(loc, text, QStringLiteral("Arial"), ingrosat ? MarimeTextMm * 1.4 : MarimeTextMm, aliniere,
                    ingrosat ? 700 : 400);
}

QStringList Instructiuni(TPaginaCertificat pagina, bool verificare)
{
    QStringList randuri{
        QStringLiteral("1. Tineti foaia astfel incat acest text sa se citeasca normal: crucea A sus, in stanga."),
        QStringLiteral("2. Masurati cu o rigla, in milimetri, de la marginea din stanga a foii pana la centrul "
                       "fiecarei cruci (X)"),
        QStringLiteral("    si de la marginea de sus a foii pana la centrul ei (Y)."),
        QStringLiteral("3. Scrieti X1 si Y1 (crucea A), apoi X2 si Y2 (crucea B) la \"Masurarea imprimantei\".")};
    if (pagina == TPaginaCertificat::Spate)
        randuri << QStringLiteral("Foaia s-a tiparit asa cum se tipareste spatele diplomei: masurati-o pe ea pentru "
                                  "spate.");
    if (verificare)
        randuri = QStringList{
            QStringLiteral("Foaia de verificare: tiparita cu corectura imprimantei, centrele crucilor trebuie sa fie"),
            QStringLiteral("la distantele scrise langa ele, masurate de la marginea din stanga si de la marginea de "
                           "sus a foii.")};
    return randuri;
}

TPaginaUmpluta Textele(TPaginaCertificat pagina, bool verificare)
{
    TPaginaUmpluta foaie;
    foaie.LatimeMm = HartieCalibrare.width();
    foaie.InaltimeMm = HartieCalibrare.height();
    const QString parte = pagina == TPaginaCertificat::Fata ? QStringLiteral("fata") : QStringLiteral("spate");
    const QString titlu = verificare ? QStringLiteral("Verificarea imprimantei - %1") : QStringLiteral("Masurarea imprimantei - %1");
    foaie.Arii << Text(QRectF(40, 40, 217, 9), titlu.arg(parte), Qt::AlignLeft, true);
    double y = 60;
    for (const QString& rand : Instructiuni(pagina, verificare)) {
        foaie.Arii << Text(QRectF(40, y, 217, InaltimeRandMm), rand);
        y += InaltimeRandMm + 1;
    }
    // Each label keeps clear of its cross, so that nothing but the cross is near its centre.
    const double departe = LaturaCruceMm / 2 + 6;
    foaie.Arii << Text(QRectF(CruceA.x() + departe, CruceA.y() - 2.5, 70, 5), Eticheta(QStringLiteral("A"), CruceA));
    foaie.Arii << Text(QRectF(CruceB.x() - departe - 70, CruceB.y() - 2.5, 70, 5), Eticheta(QStringLiteral("B"), CruceB),
                       Qt::AlignRight);
    return foaie;
}

// A fine cross, its lines 0.2 mm wide, centred in its square.
const QImage& ImagineCruce()
{
    static const QImage cruce = [] {
        const int latura = 201; // odd: the middle pixel is the centre
        const int grosime = 5;
        QImage imagine(latura, latura, QImage::Format_Grayscale8);
        imagine.fill(Qt::white);
        QPainter pictor(&imagine);
        pictor.fillRect(0, (latura - grosime) / 2, latura, grosime, Qt::black);
        pictor.fillRect((latura - grosime) / 2, 0, grosime, latura, Qt::black);
        return imagine;
    }();
    return cruce;
}

} // namespace

void DeseneazaFoaiaDeCalibrare(TImprimanta& imprimanta, TPaginaCertificat pagina, bool verificare,
                               const TAsezarePeHartie& asezare)
{
    DeseneazaPeHartie(imprimanta, Textele(pagina, verificare), asezare);
    const TMasuriDispozitiv masuri = imprimanta.Masuri();
    for (const QPointF& cruce : {CruceA, CruceB}) {
        const QRectF patrat(cruce.x() - LaturaCruceMm / 2, cruce.y() - LaturaCruceMm / 2, LaturaCruceMm, LaturaCruceMm);
        imprimanta.DeseneazaImagine(DreptunghiPeHartie(masuri, asezare, patrat), ImagineCruce(), asezare.Oglinda);
    }
}

TMasuratoareImprimanta MasuratoareaFoii(const TCitiriCalibrare& citiri, double deplasareMaximaMm)
{
    return CalculeazaMasuratoarea(citiri, CruceA, CruceB, HartieCalibrare, deplasareMaximaMm);
}
