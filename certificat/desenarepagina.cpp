#include "certificat/desenarepagina.h"

#include "certificat/geometrieformular.h"
#include "certificat/potrivirefont.h"
#include "certificat/suprafataqpainter.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <cmath>

namespace {

// Left edge of a text of a given width placed in a span.
int XAliniat(Qt::Alignment aliniere, int stanga, int latime, int latimeText)
{
    if (aliniere & Qt::AlignRight)
        return stanga + latime - latimeText;
    if (aliniere & Qt::AlignHCenter)
        return stanga + (latime - latimeText) / 2;
    return stanga;
}

// The font cell an area starts fitting from, at a resolution: its font's size, but never
// taller than the area.
int InaltimeDeStart(double dpi, const TArieUmpluta& arie)
{
    return std::min(std::max(1, MmToPixels(dpi, arie.MarimeFontMm)), MmToPixels(dpi, arie.InaltimeMm));
}

// Fits the area's text into the width of its zone and gives where its cell starts: aligned
// in the width, standing on the zone's bottom edge.
QPoint AseazaTextul(TSuprafataText& suprafata, const TArieUmpluta& arie, int inaltime, int escapement,
                    const QRect& zona)
{
    TCerereFont cerere;
    cerere.Fata = arie.Fata;
    cerere.InaltimeCelula = inaltime;
    cerere.Greutate = arie.Greutate;
    cerere.Italic = arie.Italic;
    cerere.CharSet = arie.CharSet;
    cerere.Escapement = escapement;
    const TTextPotrivit potrivit = PotrivesteTextul(suprafata, cerere, arie.Text, zona.width());
    return {XAliniat(arie.Aliniere, zona.left(), zona.width(), potrivit.Marime.width()),
            zona.top() + zona.height() - potrivit.Marime.height()};
}

// Rounds to the nearest integer, halves to even.
int Rotunjit(double valoare)
{
    return static_cast<int>(std::nearbyint(valoare));
}

// The device pixels a rectangle of the paper covers, from the printable origin, once
// corrected: the edges are rounded on their own, and the zone takes in both its right and its
// bottom edge.
QRect ZonaPeHartie(const TMasuriDispozitiv& m, const TCorectiePagina& corectie, const QRectF& proiectata)
{
    const QRectF ceruta = corectie.Ceruta(proiectata);
    const double kx = m.HorzRes / m.HorzSize;
    const double ky = m.VertRes / m.VertSize;
    const int stanga = Rotunjit(ceruta.left() * kx) - m.PhysicalOffsetX;
    const int sus = Rotunjit(ceruta.top() * ky) - m.PhysicalOffsetY;
    return QRect(QPoint(stanga, sus),
                 QPoint(stanga + Rotunjit(ceruta.width() * kx), sus + Rotunjit(ceruta.height() * ky)));
}

// A point of the paper turned by 180 degrees about the paper's centre.
QPoint IntoarsPeHartie(const TMasuriDispozitiv& m, const QPoint& punct)
{
    return {m.PhysicalWidth - 2 * m.PhysicalOffsetX - punct.x(), m.PhysicalHeight - 2 * m.PhysicalOffsetY - punct.y()};
}

// A clipping rectangle (right and bottom edges excluded) turned likewise.
QRect IntoarsPeHartie(const TMasuriDispozitiv& m, const QRect& decupare)
{
    const QPoint colt = IntoarsPeHartie(m, decupare.bottomRight() + QPoint(1, 1));
    return QRect(colt, decupare.size());
}

void ScrieArieaPeHartie(TImprimanta& imprimanta, const TMasuriDispozitiv& m, const TArieUmpluta& arie, bool oglinda,
                        const TCorectiePagina& corectie)
{
    const QRect zona =
        ZonaPeHartie(m, corectie, QRectF(arie.StangaTextMm(), arie.SusTextMm(), arie.LatimeMm, arie.InaltimeMm));
    // The printer's own resolution, from its measures: no paper size is assumed. A printer
    // that stretches the page stretches the text along its line too, so the font is asked
    // for at the size whose width lands right; its height is then off by the difference of
    // the two scales, hundredths of a millimetre.
    const double dpi = m.VertRes * 25.4 / m.VertSize / corectie.ScaraX();
    const QPoint origine = AseazaTextul(imprimanta, arie, InaltimeDeStart(dpi, arie), oglinda ? 1800 : 0, zona);
    // The clipping rectangle ends before its right and bottom edges, one pixel inside the zone.
    const QRect decupare = zona.adjusted(0, 0, -1, -1);
    if (oglinda)
        imprimanta.ScrieText(IntoarsPeHartie(m, origine), IntoarsPeHartie(m, decupare), arie.Text);
    else
        imprimanta.ScrieText(origine, decupare, arie.Text);
}

void DeseneazaLiniileDeBaza(QPainter& painter, const TTintaEcran& tinta, const QRect& local, int coborare)
{
    const int y = local.height() - coborare;
    if (tinta.LinieDeBaza1) {
        painter.setPen(tinta.CuloareLinie1);
        painter.drawLine(0, y, local.width() - 1, y);
    }
    if (tinta.LinieDeBaza2) {
        const int y2 = y + MmToPixels(PageDpi(tinta.Zoom), tinta.DeltaLinie2Mm);
        painter.setPen(tinta.CuloareLinie2);
        painter.drawLine(0, y2, local.width() - 1, y2);
    }
}

// The screen fits and draws a text at the resolution of the program's PDFs and scales it
// down: whole screen pixels of font size would make it up to a pixel smaller than on paper.
const double DpiPotrivire = 1200;

// The text of an area on the screen, in the area's own pixels; gives the descent of its font
// in screen pixels.
int ScrieArieaPeEcran(QPainter& painter, const TArieUmpluta& arie, const QRect& zona, double zoom)
{
    const QRect peEcran = ZonaPeEcran(zoom, arie.StangaTextMm(), arie.SusTextMm(), arie.LatimeMm, arie.InaltimeMm)
                              .translated(-zona.topLeft());
    const double k = DpiPotrivire / PageDpi(zoom);
    const QRect zonaText(QPoint(Rotunjit(peEcran.left() * k), Rotunjit(peEcran.top() * k)),
                         QSize(MmToPixels(DpiPotrivire, arie.LatimeMm), MmToPixels(DpiPotrivire, arie.InaltimeMm)));
    painter.save();
    painter.scale(1 / k, 1 / k);
    TSuprafataEcran ecran(painter);
    const QPoint origine = AseazaTextul(ecran, arie, InaltimeDeStart(DpiPotrivire, arie), 0, zonaText);
    ecran.ScrieText(origine, zonaText, arie.Text);
    const int coborare = Rotunjit(ecran.Coborare() / k);
    painter.restore();
    return coborare;
}

// One area: its paper (when opaque), the hover colour, the text, the frame and the base
// lines.
void DeseneazaArieaPeEcran(QPainter& painter, const TArieUmpluta& arie, const QRect& zona, const TTintaEcran& tinta,
                           bool evidentiata)
{
    if (!tinta.Transparent)
        painter.fillRect(zona, Qt::white);
    if (evidentiata)
        painter.fillRect(zona, tinta.Evidentiere);
    painter.save();
    painter.translate(zona.topLeft());
    const QRect local(QPoint(0, 0), zona.size());
    int coborare = 0;
    if (arie.AreFont) {
        painter.setPen(evidentiata ? tinta.TextEvidentiat : QColor(Qt::black));
        coborare = ScrieArieaPeEcran(painter, arie, zona, tinta.Zoom);
    }
    painter.setPen(Qt::black);
    if (tinta.Chenar)
        painter.drawRect(0, 0, local.width() - 1, local.height() - 1);
    DeseneazaLiniileDeBaza(painter, tinta, local, coborare);
    painter.restore();
}

void DeseneazaPeEcran(QPainter& painter, const TPaginaUmpluta& pagina, const TTintaEcran& tinta)
{
    const QRect toata = ZonaPeEcran(tinta.Zoom, 0, 0, pagina.LatimeMm, pagina.InaltimeMm);
    const QRect expus = tinta.Expus.isEmpty() ? toata : tinta.Expus;
    if (tinta.Fundal && !tinta.Fundal->isNull())
        painter.drawPixmap(expus, *tinta.Fundal, expus);
    else
        painter.fillRect(expus, Qt::white); // without its scan the page is plain paper
    for (int i = 0; i < pagina.Arii.size(); ++i) {
        const TArieUmpluta& arie = pagina.Arii.at(i);
        const QRect zona = ZonaPeEcran(tinta.Zoom, arie.StangaMm, arie.SusMm, arie.LatimeMm, arie.InaltimeMm);
        if (arie.Vizibila && zona.intersects(expus))
            DeseneazaArieaPeEcran(painter, arie, zona, tinta, i == tinta.ArieEvidentiata);
    }
}

} // namespace

QRect ZonaPeEcran(double zoom, double stangaMm, double susMm, double latimeMm, double inaltimeMm)
{
    const double dpi = PageDpi(zoom);
    return {MmToPixels(dpi, stangaMm), MmToPixels(dpi, susMm), MmToPixels(dpi, latimeMm), MmToPixels(dpi, inaltimeMm)};
}

QRect DreptunghiPeHartie(const TMasuriDispozitiv& masuri, const TAsezarePeHartie& asezare, const QRectF& mm)
{
    const QRect zona = ZonaPeHartie(masuri, asezare.Corectie, mm).adjusted(0, 0, -1, -1);
    return asezare.Oglinda ? IntoarsPeHartie(masuri, zona) : zona;
}

void DeseneazaPeHartie(TImprimanta& imprimanta, const TPaginaUmpluta& pagina, const TAsezarePeHartie& asezare)
{
    const TMasuriDispozitiv m = imprimanta.Masuri();
    TAsezarePeHartie aPaginii = asezare;
    aPaginii.Corectie = asezare.Corectie.Deplasata(pagina.DeltaStanga, pagina.DeltaSus);
    if (asezare.Fundal)
        imprimanta.DeseneazaImagine(DreptunghiPeHartie(m, aPaginii, QRectF(0, 0, pagina.LatimeMm, pagina.InaltimeMm)),
                                    *asezare.Fundal, asezare.Oglinda);
    for (const TArieUmpluta& arie : pagina.Arii)
        if (arie.Vizibila && arie.AreFont)
            ScrieArieaPeHartie(imprimanta, m, arie, asezare.Oglinda, aPaginii.Corectie);
}

void DeseneazaPagina(QPainter& painter, const TPaginaUmpluta& pagina, const TTintaDesen& tinta)
{
    if (const auto* ecran = std::get_if<TTintaEcran>(&tinta)) {
        DeseneazaPeEcran(painter, pagina, *ecran);
        return;
    }
    const TTintaHartie& hartie = std::get<TTintaHartie>(tinta);
    TImprimantaPictor imprimanta(painter, hartie.Masuri);
    DeseneazaPeHartie(imprimanta, pagina, hartie.Asezare);
}
