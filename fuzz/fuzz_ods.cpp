#include "fuzz/citestetot.h"
#include "registre/registruods.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* date, size_t marime)
{
    return CitesteTot<TRegistruOds>(date, marime, "fuzz.ods");
}
