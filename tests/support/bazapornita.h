#pragma once

#include <QString>
#include <QStringList>

class TDM;

// The certificate profile as the printed card needs it: ORDINE|page|field|caption|type|table|link|width|line.
extern const QStringList ProfilAsteptat;

// The columns of a table, in their order.
QStringList ColoaneDate(TDM& dm, const QString& tabel);
// The constraints of the value table and of the entity tables, by name.
QStringList Constrangeri(TDM& dm);
// The profile rows in ProfilAsteptat's form, by ORDINE.
QStringList RanduriProfil(TDM& dm);

// What a first start must leave, wherever the database is: version 4, the profile, the empty register, the
// entity tables with their keys, generators and value columns, the data types. Each
// difference found is one line; none when the database is as it must be.
QStringList AbateriDupaPrimaPornire(TDM& dm);
