#pragma once

#include <QString>

// A personal numeric code that can be right: 13 digits, sex digit 1, 2, 5 or 6, a real birth
// date and the right control digit.
bool EsteCNPValid(const QString& text);
