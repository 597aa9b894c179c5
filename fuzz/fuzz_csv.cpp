#include "fuzz/citestetot.h"
#include "registre/registrucsv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* date, size_t marime)
{
    return CitesteTot<TRegistruCsv>(date, marime, "fuzz.csv");
}
