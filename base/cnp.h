#pragma once

#include <QString>

// A personal numeric code that can be right: 13 digits, sex digit 1, 2, 5 or 6, a real birth
// date and the right control digit.
bool EsteCNPValid(const QString& text);
// What is wrong with a personal numeric code, in words (its length, a character that is not
// a digit, the first digit, the birth date, the check digit); empty when it is valid.
QString ProblemaCNP(const QString& text);
