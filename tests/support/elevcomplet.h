#pragma once

#include "db/tdm.h"

#include <QMap>
#include <QString>

// The values of a pupil with every field and every mark of the certificate, by reference.
const QMap<QString, QString>& ValoriElevComplet();
// The values of the school.
const QMap<QString, QString>& ValoriScoala();

// Enters that pupil and the school through the value store; returns the pupil's id.
int AdaugaElevComplet(TDM& dm);
