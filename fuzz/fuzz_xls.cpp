#include "fuzz/citestetot.h"
#include "registre/registruxls.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* date, size_t marime)
{
    return CitesteTot<TRegistruXls>(date, marime, "fuzz.xls");
}
