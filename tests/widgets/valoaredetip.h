#pragma once

#include "widgets/brvvaloaredate.h"

// One value of each tag from 0 to 6 (a date is 7 June 2006), as the grid tests' owners
// answer them.
inline TBrvValoareDate ValoareDeTip(int tip)
{
    TBrvValoareDate v;
    const QDate data(2006, 6, 7);
    switch (tip) {
    case 0: v.SetSuma(12345678); break; // four decimals
    case 1: v.SetIntreg(-1234567); break;
    case 2: v.SetSutimi(42189); break;
    case 3: v.SetText(QStringLiteral("Popescu Ion")); break;
    case 4: v.SetDataFaraAn(data); break;
    case 5: v.SetDataCuAn(data); break;
    default: v.SetDataLunga(data); break;
    }
    return v;
}
