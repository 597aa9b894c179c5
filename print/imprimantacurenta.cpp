#include "print/imprimantacurenta.h"

#include <QApplication>
#include <QFileDialog>
#include <QPrinterInfo>

namespace {

QString g_aleasa;
TCerereFisierPdf g_cerere;

QString DialogFisierPdf(const QString& titluDocument)
{
    QFileDialog dialog(QApplication::activeWindow(), titluDocument);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("Fisiere PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(titluDocument + QStringLiteral(".pdf"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace

QString NumeImprimantaPdf()
{
    return QStringLiteral("Fisier PDF");
}

QStringList ListaImprimante()
{
    return QPrinterInfo::availablePrinterNames() << NumeImprimantaPdf();
}

QString ImprimantaCurenta()
{
    if (!g_aleasa.isEmpty())
        return g_aleasa;
    const QString implicita = QPrinterInfo::defaultPrinterName();
    return implicita.isEmpty() ? NumeImprimantaPdf() : implicita;
}

void AlegeImprimanta(const QString& nume)
{
    g_aleasa = nume;
}

QString CereFisierPdf(const QString& titluDocument)
{
    return g_cerere ? g_cerere(titluDocument) : DialogFisierPdf(titluDocument);
}

TCerereFisierPdf InstaleazaCerereFisierPdf(TCerereFisierPdf cerere)
{
    std::swap(g_cerere, cerere);
    return cerere;
}
