#pragma once

#include "certificat/umplerepagini.h"

#include <QString>

struct TArieFormular;

// The areas of the card's "Nr. inregistrare ... din ..." lines, on the counterfoil and on the
// certificate: the pupil's values do not reach them, the register of issued certificates does.
extern const QString ReferintaNrInregistrare;
extern const QString ReferintaDataInregistrare;

bool ArieDinRegistru(const TArieFormular& arie);

// Writes the registration number and date into every such area of the pages; empty texts
// leave the lines blank, as on a card printed outside the register.
void ScrieInregistrarea(const QList<TAriiPagina>& pagini, const QString& numar, const QString& data);
