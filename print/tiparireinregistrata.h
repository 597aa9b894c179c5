#pragma once

#include "base/multimi.h"
#include "certificat/umplerepagini.h"
#include "db/registrucertificate.h"

#include <QList>
#include <QString>
#include <vector>

// The cards of a print as the secretary gives them: the series, the number of the first card
// in the stack, the registration date, and what to do for a pupil who already holds one.
struct TNumerotareCartoane {
    QString Seria;
    int PrimulNumar = 0;
    QDate Data;
    TReluare Reluare = TReluare::Refuza;
};

// The pupils as the register names them ("Nume Prenume") with their CNP, in the order given.
QList<TElevDeInregistrat> EleviDeInregistrat(const QList<int>& elevi);

// Writes the entry's registration number and date on the card's "Nr. inregistrare ... din ..."
// lines of the pages.
void ScrieIntrarea(const QList<TAriiPagina>& pagini, const TIntrareRegistru& intrare);

// Voids the entries, each with the reason.
void AnuleazaCartoanele(const std::vector<TIntrareRegistru>& intrari, const QString& motiv);
// The reason recorded for a card whose print failed after it was recorded.
extern const QString MotivTiparireEsuata;

// Records a card for each pupil in print order and prints them into the PDF with their
// registration numbers; every check runs before anything is written. The entries of a print
// that then fails are voided, so that the register never shows a card that did not come out.
std::vector<TIntrareRegistru> TiparesteSiInregistreazaInPdf(const QString& fisier, const QList<int>& elevi,
                                                            TPaginiCertificat pagini, bool proba,
                                                            const TNumerotareCartoane& numerotare);
