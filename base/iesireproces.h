#pragma once

#include <functional>

// Ends the process at once with an exit code. Tests replace the ending so that the
// code path can be observed without losing the test process.
[[noreturn]] void IesireProces(int cod);

// Replaces the ending (an empty function restores the real one). The replacement must
// not return: it throws or exits.
void SeteazaIesireProces(std::function<void(int)> iesire);
