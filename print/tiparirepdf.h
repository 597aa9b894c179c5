#pragma once

#include "base/multimi.h"
#include "db/registrucertificate.h"

#include <QList>
#include <QString>

// Fills each pupil's certificate as its "Pravent" button does and prints the chosen sides
// into a PDF file, one page a side, each with its margin corrections and mirror choice from
// the print settings; each pupil's pages follow the previous pupil's, one form filled at a
// time. Unknown pupils are refused before the file is begun; a failure (naming the pupil
// when there are several) leaves no file behind. A proof has each side's blank card scan
// under its text. With register entries (one per pupil, in the same order) each card
// carries its registration number and date.
void TiparesteCertificateInPdf(const QString& fisier, const QList<int>& elevi, TPaginiCertificat pagini,
                               bool proba = false, const std::vector<TIntrareRegistru>& inregistrari = {});
