#pragma once

#include "base/multimi.h"

#include <QString>

// Fills a pupil's certificate as its "Pravent" button does and prints the chosen sides into
// a PDF file, one page a side, each with its margin corrections and mirror choice from the
// print settings. An unknown pupil or a filling error is raised before the file is written.
void TiparesteCertificatInPdf(const QString& fisier, int idElev, TPaginiCertificat pagini);
