#pragma once

#include <QString>

// Marks a written PDF file so that viewers print it at its actual size: the catalogue's
// /ViewerPreferences get /PrintScaling /None (a PDF 1.6 preference), and a viewer's "fit to
// page" no longer shrinks the certificate by a few percent; an A4 page is made exactly A4.
// The file is rewritten in place;
// one that cannot be read or written is an error.
void CereTiparireLaMarimeReala(const QString& cale);
