#pragma once

#include <QIcon>

// The program's icon (48 and 128 pixels), compiled into the executable, so that the
// windows show it also where no icon theme has it installed.
QIcon PictogramaProgram();
