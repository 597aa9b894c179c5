#pragma once

#include "base/multimi.h"

#include <QPainter>
#include <QPrinter>
#include <QString>
#include <memory>

// One print document on the current printer, set up by SetupPrinter and titled; it is
// begun when created and ended when destroyed, also when drawing failed.
class TDocumentTiparit {
public:
    // nullptr when the current printer is a PDF file and the user gave up naming it.
    static std::unique_ptr<TDocumentTiparit> Incepe(const QString& titlu, bool portrait);
    // A document written into the given PDF file.
    static std::unique_ptr<TDocumentTiparit> InPdf(const QString& fisier, const QString& titlu, bool portrait);

    TDocumentTiparit(const TDocumentTiparit&) = delete;
    TDocumentTiparit& operator=(const TDocumentTiparit&) = delete;

    QPrinter& Imprimanta() { return m_imprimanta; }
    QPainter& Pictor() { return m_pictor; }
    // The printable area in device pixels, with the painter's origin at its top-left corner.
    QSize ZonaTiparibila() const;

private:
    TDocumentTiparit(const QString& titlu, bool portrait, const QString& fisierPdf);

    QPrinter m_imprimanta;
    QPainter m_pictor;
};

// The title of a print document of the certificate's sides: "Diploma de examen national -
// fata" or "- verso" for one side.
QString TitluDocument(const QList<TPaginaCertificat>& pagini);
