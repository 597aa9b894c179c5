#pragma once

#include <QList>
#include <QString>

enum class TPaginiCertificat { Fata, Spate, Ambele };

// Fills a pupil's certificate as its "Pravent" button does and prints the chosen sides into
// a PDF file, one page a side, each with its margin corrections and mirror choice from the
// print settings. An unknown pupil or a filling error is raised and leaves no file behind.
void TiparesteCertificatInPdf(const QString& fisier, int idElev, TPaginiCertificat pagini);

// The same for several pupils into one file, each pupil's pages after the previous
// pupil's, one certificate form filled at a time. Unknown pupils are refused before the
// file is begun; a failing pupil is named in the error.
void TiparesteCertificateInPdf(const QString& fisier, const QList<int>& elevi, TPaginiCertificat pagini);
