#include "print/marimerealapdf.h"

#include "base/eroare.h"

#include <QFile>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <cmath>
#include <exception>

namespace {

// A4 in points. Qt writes page boxes in whole points (842 x 595), 0.1 mm short of A4.
const double LatimeA4 = 210 / 25.4 * 72;
const double InaltimeA4 = 297 / 25.4 * 72;

// A4 within a point, in either orientation, made exact about its top-left corner, where Qt
// measures every position from.
void MarimeA4Exacta(QPDFObjectHandle pagina)
{
    QPDFObjectHandle cutie = pagina.getKey("/MediaBox");
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    if (!cutie.isArray() || cutie.getArrayNItems() != 4 || !cutie.getArrayItem(0).getValueAsNumber(x0)
        || !cutie.getArrayItem(1).getValueAsNumber(y0) || !cutie.getArrayItem(2).getValueAsNumber(x1)
        || !cutie.getArrayItem(3).getValueAsNumber(y1))
        return;
    const bool culcata = x1 - x0 > y1 - y0;
    const double latime = culcata ? InaltimeA4 : LatimeA4;
    const double inaltime = culcata ? LatimeA4 : InaltimeA4;
    if (std::abs(x1 - x0 - latime) > 1 || std::abs(y1 - y0 - inaltime) > 1)
        return;
    pagina.replaceKey("/MediaBox", QPDFObjectHandle::newArray(std::vector<QPDFObjectHandle>{
                                       QPDFObjectHandle::newReal(x0, 4), QPDFObjectHandle::newReal(y1 - inaltime, 4),
                                       QPDFObjectHandle::newReal(x0 + latime, 4), QPDFObjectHandle::newReal(y1, 4)}));
}

} // namespace

void CereTiparireLaMarimeReala(const QString& cale)
{
    QFile fisier(cale);
    if (!fisier.open(QIODevice::ReadOnly))
        throw EEroare(QStringLiteral("Fisierul PDF \"%1\" nu poate fi citit: %2").arg(cale, fisier.errorString()));
    // Read whole, so that the file can be written over while the document is still open.
    const QByteArray continut = fisier.readAll();
    fisier.close();
    const QByteArray numeFisier = QFile::encodeName(cale);
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processMemoryFile(numeFisier.constData(), continut.constData(), static_cast<size_t>(continut.size()));
        QPDFObjectHandle catalog = pdf.getRoot();
        QPDFObjectHandle preferinte = catalog.getKey("/ViewerPreferences");
        if (!preferinte.isDictionary()) {
            preferinte = QPDFObjectHandle::newDictionary();
            catalog.replaceKey("/ViewerPreferences", preferinte);
        }
        preferinte.replaceKey("/PrintScaling", QPDFObjectHandle::newName("/None"));
        for (QPDFPageObjectHelper& pagina : QPDFPageDocumentHelper(pdf).getAllPages())
            MarimeA4Exacta(pagina.getObjectHandle());
        QPDFWriter scriitor(pdf, numeFisier.constData());
        scriitor.setMinimumPDFVersion("1.6");
        scriitor.write();
    } catch (const std::exception& e) {
        throw EEroare(QStringLiteral("Fisierul PDF \"%1\" nu a putut fi pregatit pentru tiparire: %2")
                          .arg(cale, QString::fromLocal8Bit(e.what())));
    }
}
