#include "print/marimerealapdf.h"

#include "base/eroare.h"

#include <QFile>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>
#include <exception>

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
        QPDFWriter scriitor(pdf, numeFisier.constData());
        scriitor.setMinimumPDFVersion("1.6");
        scriitor.write();
    } catch (const std::exception& e) {
        throw EEroare(QStringLiteral("Fisierul PDF \"%1\" nu a putut fi pregatit pentru tiparire: %2")
                          .arg(cale, QString::fromLocal8Bit(e.what())));
    }
}
