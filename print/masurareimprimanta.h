#pragma once

#include "base/multimi.h"
#include "certificat/corectieimprimanta.h"

#include <QList>
#include <QString>

class TDocumentTiparit;

// A calibration sheet to print: the side it measures, turned as that side prints, and the
// correction it is printed with (none to measure, the side's own to verify).
struct TFoaieDeCalibrare {
    TPaginaCertificat Parte = TPaginaCertificat::Fata;
    bool Oglinda = false;
    bool Verificare = false;
    TCorectiePagina Corectie;
};

// The document title of a side's sheet: "Masurarea imprimantei - fata" ...
QString TitluFoaieDeCalibrare(const TFoaieDeCalibrare& foaie);

// Draws the sheets into a begun document, a page each.
void DeseneazaFoileDeCalibrare(TDocumentTiparit& document, const QList<TFoaieDeCalibrare>& foi);

// The sheets of the chosen sides as the print settings print them (mirror choice; with the
// side's correction for a verification), written into a PDF file.
void ScrieFoileDeCalibrareInPdf(const QString& fisier, TPaginiCertificat pagini, bool verificare);

// One sheet on the current printer, as a print job of its own; false when the user gave up.
bool TiparesteFoaiaDeCalibrare(const TFoaieDeCalibrare& foaie);

// "X1,Y1,X2,Y2" in millimetres with a decimal point, as the command line takes them.
TCitiriCalibrare CitiriDinText(const QString& text);

// The printer measured from a sheet's readings; bad readings are refused with the reason.
TMasuratoareImprimanta MasoaraImprimanta(const TCitiriCalibrare& citiri);

// What a measurement found, in the user's words.
QString DescriereMasuratoare(const TMasuratoareImprimanta& masuratoare);

// Measures a side from its readings and stores the correction in the print settings.
TMasuratoareImprimanta CalibreazaPagina(TPaginaCertificat pagina, const TCitiriCalibrare& citiri);
