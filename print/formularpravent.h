#pragma once

#include <QString>

// Makes the certificate's resources (its form definition and the blank card's scans) readable;
// they live in a static library, where nothing else would make the linker keep them.
void IncarcaResurseleCertificatului();
// The certificate's printable form: its stored definition in the resources, made readable.
QString CaleFormularPravent();
// Fails unless a definition of the certificate has its two pages, the front and the back.
void CerePaginileCertificatului(qsizetype pagini);
