#pragma once

#include "widgets/brvvaloaredate.h"

#include <QString>

// The text of a value by its tag: amounts with two decimals and thousands points, integers,
// hundredths as "421,89", text, and the three date texts. A value without a type fails
// with "Bug! Nu stiu citi tipul de date!".
QString FormateazaValoare(const TBrvValoareDate& valoare);

// Hundredths with "," and two decimals, without thousands separators: 42189 is "421,89".
QString FormateazaSutimi(qint64 sutimi);
