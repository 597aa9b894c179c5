#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The printer everything is printed on. At start it is the system's default printer (a PDF
// file when no printer is installed); choosing another keeps it for the rest of the run.

// The entry that stands for printing into a PDF file the user names.
QString NumeImprimantaPdf();

// The installed printers, then the PDF file entry.
QStringList ListaImprimante();

QString ImprimantaCurenta();
void AlegeImprimanta(const QString& nume);

// Asks for the PDF file a document goes into; an empty name means the user gave up.
using TCerereFisierPdf = std::function<QString(const QString& titluDocument)>;

QString CereFisierPdf(const QString& titluDocument);

// Installs the way of asking (tests answer without a dialog) and returns the previous one;
// an empty function restores the file dialog.
TCerereFisierPdf InstaleazaCerereFisierPdf(TCerereFisierPdf cerere);
