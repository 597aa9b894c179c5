#include "fuzz/citestetot.h"
#include "registre/registruxlsx.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* date, size_t marime)
{
    return CitesteTot<TRegistruXlsx>(date, marime, "fuzz.xlsx");
}
