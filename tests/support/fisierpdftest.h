#pragma once

#include "print/imprimantacurenta.h"
#include "support/cuvintepdf.h"

#include <QImage>
#include <QMap>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Answers the program's "which PDF file?" question with files in a temporary folder (or
// with a fixed answer) and remembers the document titles it was asked for.
class TFisierePdfTest {
public:
    TFisierePdfTest();
    ~TFisierePdfTest();

    // From now on every question gets this answer (an empty one: the user gives up).
    void RaspundeCu(const QString& fisier) { m_raspunsFix = fisier; m_fix = true; }
    const QStringList& Titluri() const { return m_titluri; }
    const QStringList& Fisiere() const { return m_fisiere; }
    QString Dosar() const { return m_dosar.path(); }

private:
    QTemporaryDir m_dosar;
    TCerereFisierPdf m_anterioara;
    QStringList m_titluri;
    QStringList m_fisiere;
    QString m_raspunsFix;
    bool m_fix = false;
};

// A value from pdfinfo's report of a file ("Title", "Pages", "Page size" ...).
QString InfoPdf(const QString& fisier, const QString& camp);

// Every word of a PDF's pages with its box in millimetres from the paper's top-left corner.
QMap<QString, QRectF> CuvinteDinPdf(const QString& fisier);
