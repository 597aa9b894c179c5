#pragma once

#include <QString>

// A table name read from the database, checked before it is written into a statement:
// letters, digits, "_" and "$", starting with a letter, at most 31 characters, the whole
// text (a trailing line break included). Anything else is refused with a message naming it.
const QString& NumeTabelVerificat(const QString& nume);

// A name of TABELE that the start-up builds structures for: a checked name in upper case
// (the catalogue keeps unquoted names in upper case, and the exact-name lookups would never
// find a structure made for another spelling) short enough that its longest derived
// identifier ("FK_<T>_1", "G_ID_<T>") still fits Firebird's 31 characters.
const QString& NumeTabelPentruStructuri(const QString& nume);
