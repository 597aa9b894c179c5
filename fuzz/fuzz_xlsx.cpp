#include "fuzz/citestetot.h"
#include "import/registruxlsx.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* date, size_t marime)
{
    return CitesteTot<TRegistruXlsx>(date, marime, "fuzz.xlsx");
}
