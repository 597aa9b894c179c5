#pragma once

#include "base/fisierintreg.h"

#include <QString>

// Refuses, with a message naming it, a PDF target that is one of the program's own files:
// the database (and anything else in its folder), the template, the overrides file, the
// settings file, the instance lock. Links are followed.
void VerificaTintaPdf(const QString& tinta);

// A PDF file written first under a temporary name beside its target and put in its place
// only when complete: a failed or interrupted print leaves the target as it was.
class TIesirePdf {
public:
    // Checks the target (VerificaTintaPdf) and reserves the temporary file.
    explicit TIesirePdf(const QString& tinta);

    const QString& Tinta() const { return m_fisier.Tinta(); }
    // Where the printer writes.
    const QString& CaleTemporara() const { return m_fisier.CaleTemporara(); }
    // Once the document has ended: the written file, marked to print at actual size,
    // replaces the target. A file cut short (no PDF trailer) is an error and the target stays
    // as it was.
    void Incheie();

private:
    TFisierIntreg m_fisier;
};
