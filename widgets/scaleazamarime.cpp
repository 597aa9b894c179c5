#include "widgets/scaleazamarime.h"

#include "base/dosardate.h"
#include "base/eroare.h"
#include "base/fisierintreg.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QScreen>
#include <algorithm>
#include <cstdlib>

namespace {

const char* const NumeFisier = "LargeFonts.txt";
// Only the first line matters; a longer line is not a ratio anyone wrote.
constexpr qint64 LungimeMaximaLinie = 256;
constexpr int MarimeMaxima = 10000;

int ParteRaport(const QString& text)
{
    bool numar = false;
    const int valoare = text.toInt(&numar);
    // Zero would divide by zero; it is no more a ratio than a letter is.
    return numar && valoare > 0 ? valoare : 8;
}

// The message font's height in pixels, as the design's non-client metrics give it.
TRaportMarime RaportDinFontulMesajelor()
{
    const QFont font = QApplication::font("QMessageBox");
    const int inaltime = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    // A character height (a negative height on Windows) is measured against 11 pixels.
    return {std::max(1, std::abs(inaltime)), 11};
}

} // namespace

TRaportMarime RaportDinText(const QString& text)
{
    QString curat;
    for (const QChar c : text.trimmed())
        if ((c >= u'0' && c <= u'9') || c == u':')
            curat += c;
    const qsizetype separator = curat.indexOf(u':');
    const QString inainte = separator < 0 ? curat : curat.left(separator);
    const QString dupa = separator < 0 ? QString() : curat.mid(separator + 1);
    return {ParteRaport(inainte), ParteRaport(dupa)};
}

TRaportMarime CitesteRaportMarime(const QString& cale)
{
    QFile fisier(cale);
    // The default is written for the user to edit; where it cannot be, the font decides.
    if (!fisier.exists()) {
        try {
            ScrieFisierIntreg(cale, "1:1\n");
        } catch (const EEroare&) {
        }
    }
    if (!fisier.exists())
        return RaportDinFontulMesajelor();
    // A folder or a pipe by that name holds no ratio (and a pipe would never end).
    if (!QFileInfo(cale).isFile() || !fisier.open(QIODevice::ReadOnly))
        return RaportDinText(QString());
    return RaportDinText(QString::fromLatin1(fisier.readLine(LungimeMaximaLinie)));
}

int ScaleazaMarime(int marime, const TRaportMarime& raport, int puncteDePeInch)
{
    const qint64 scalata = qint64(marime) * raport.Numarator / raport.Numitor * puncteDePeInch / 96;
    return static_cast<int>(std::clamp<qint64>(scalata, 0, MarimeMaxima));
}

int ScaleazaMarime(int marime)
{
    static const TRaportMarime raport = CitesteRaportMarime(CaleInDosarDate(QString::fromLatin1(NumeFisier)));
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const int dpi = ecran ? qRound(ecran->logicalDotsPerInchY()) : 96;
    return ScaleazaMarime(marime, raport, dpi);
}
