#pragma once

#include <QString>

// The certificate's printable form: its stored definition in the resources.
QString CaleFormularPravent();
// Fails unless a definition of the certificate has its two pages, the front and the back.
void CerePaginileCertificatului(qsizetype pagini);
