#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QRectF>
#include <QString>

// A word of a PDF page with its box in millimetres from the paper's top-left corner.
struct TCuvantPdf {
    QString Text;
    QRectF Cutie;
};

// Every page's words, read back with poppler's pdftotext; empty when the file cannot be read.
QList<QList<TCuvantPdf>> CuvintePePagini(const QString& pdf);

// The first page rendered in grey at the given resolution.
QImage PaginaPdf(const QString& fisier, int dpi);

// The smallest rectangle holding every dark pixel of an image.
QRect ZonaIntunecata(const QImage& imagine);
