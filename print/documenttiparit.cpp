#include "print/documenttiparit.h"

#include "base/eroare.h"
#include "print/imprimantacurenta.h"
#include "print/setupprinter.h"

std::unique_ptr<TDocumentTiparit> TDocumentTiparit::Incepe(const QString& titlu, bool portrait)
{
    QString fisierPdf;
    if (ImprimantaCurenta() == NumeImprimantaPdf()) {
        fisierPdf = CereFisierPdf(titlu);
        if (fisierPdf.isEmpty())
            return nullptr;
    }
    return std::unique_ptr<TDocumentTiparit>(new TDocumentTiparit(titlu, portrait, fisierPdf));
}

std::unique_ptr<TDocumentTiparit> TDocumentTiparit::InPdf(const QString& fisier, const QString& titlu,
                                                          bool portrait)
{
    return std::unique_ptr<TDocumentTiparit>(new TDocumentTiparit(titlu, portrait, fisier));
}

TDocumentTiparit::TDocumentTiparit(const QString& titlu, bool portrait, const QString& fisierPdf)
    : m_imprimanta(QPrinter::HighResolution)
{
    if (fisierPdf.isEmpty()) {
        m_imprimanta.setPrinterName(ImprimantaCurenta());
    } else {
        m_imprimanta.setOutputFormat(QPrinter::PdfFormat);
        m_imprimanta.setOutputFileName(fisierPdf);
    }
    SetupPrinter(m_imprimanta, portrait);
    m_imprimanta.setDocName(titlu);
    if (m_pictor.begin(&m_imprimanta))
        return;
    if (!fisierPdf.isEmpty())
        throw EEroare(QStringLiteral("Documentul \"%1\" nu poate fi tiparit: fisierul \"%2\" nu poate fi scris.")
                          .arg(titlu, fisierPdf));
    throw EEroare(QStringLiteral("Documentul \"%1\" nu poate fi tiparit pe \"%2\".").arg(titlu, ImprimantaCurenta()));
}

QSize TDocumentTiparit::ZonaTiparibila() const
{
    return m_imprimanta.pageRect(QPrinter::DevicePixel).toRect().size();
}

QString TitluDocument(const QList<TPaginaCertificat>& pagini)
{
    const QString titlu = QStringLiteral("Diploma de examen national");
    if (pagini.size() != 1)
        return titlu;
    return titlu + (pagini.front() == TPaginaCertificat::Fata ? QStringLiteral(" - fata") : QStringLiteral(" - verso"));
}
