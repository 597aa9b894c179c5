#pragma once

#include "db/registrucertificate.h"

#include <QByteArray>
#include <QStringList>
#include <vector>

// A workbook of one sheet "Registru" (Office Open XML, as a spreadsheet opens it): the header
// in bold, then one row per entry, the registration number a number and its date a date.
// Written through the ZIP library the workbook readers use: a second ZIP library in the same
// process would take the other one's functions.
QByteArray RegistruXlsx(const QStringList& cap, const std::vector<QStringList>& randuri,
                        const std::vector<TIntrareRegistru>& intrari);
