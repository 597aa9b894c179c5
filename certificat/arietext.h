#pragma once

#include "certificat/paginaumpluta.h"

#include <QRectF>

// A text area of a page the program lays out itself (a calibration sheet, the register), not
// one of the form's: its place in millimetres, one face, size and weight.
TArieUmpluta ArieText(const QRectF& mm, const QString& text, const QString& fata, double marimeFontMm,
                      Qt::Alignment aliniere = Qt::AlignLeft, int greutate = 400);
