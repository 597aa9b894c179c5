#pragma once

#include "db/tdm.h"

#include <functional>
#include <memory>

// The data module of the windowed start, created and brought up; a failure is shown and the
// module returned all the same (the main window opens without data), unless going on would
// share the data with another instance or write a newer program's database (oprita). When
// the server database the settings name cannot be opened, the error comes with the offer of
// "Conectare la server", and the start runs again with what was chosen there.
std::unique_ptr<TDM> PornesteModululDeDate(std::function<void()> primulPas, bool& oprita);
