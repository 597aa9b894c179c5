#pragma once

#include <QList>
#include <QRectF>
#include <QString>

// A word of a PDF page with its box in millimetres from the paper's top-left corner.
struct TCuvantPdf {
    QString Text;
    QRectF Cutie;
};

// Every page's words, read back with poppler's pdftotext; empty when the file cannot be read.
QList<QList<TCuvantPdf>> CuvintePePagini(const QString& pdf);
