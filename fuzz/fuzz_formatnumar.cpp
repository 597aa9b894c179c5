#include "registre/formatnumar.h"

#include <cstdint>
#include <cstring>

// The first 8 bytes are the value, the rest the format string (UTF-8).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* date, size_t marime)
{
    if (marime < 8)
        return 0;
    double valoare;
    std::memcpy(&valoare, date, 8);
    const QString format = QString::fromUtf8(reinterpret_cast<const char*>(date + 8), qsizetype(marime - 8));
    const TFormatNumar compilat(format);
    compilat.Aplica(valoare, false);
    compilat.Aplica(valoare, true);
    compilat.Aplica(-valoare, false);
    FormatGeneral(valoare);
    return 0;
}
