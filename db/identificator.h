#pragma once

#include <QString>

// A table name read from the database, checked before it is written into a statement:
// letters, digits, "_" and "$", starting with a letter, at most 31 characters.
// Anything else is refused with a message naming it.
const QString& NumeTabelVerificat(const QString& nume);
