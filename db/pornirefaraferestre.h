#pragma once

#include "db/tdm.h"

#include <memory>

// The data module brought up for a command-line mode: no splash, no language check, every
// message written to standard error. Failures are raised to the caller.
std::unique_ptr<TDM> PornesteModululDeDateFaraFerestre();
