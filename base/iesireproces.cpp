#include "base/iesireproces.h"

#include <cstdlib>

namespace {
std::function<void(int)> g_iesire;
}

void IesireProces(int cod)
{
    if (g_iesire)
        g_iesire(cod);
    std::exit(cod);
}

void SeteazaIesireProces(std::function<void(int)> iesire)
{
    g_iesire = std::move(iesire);
}
