#pragma once

// Registers every command-line mode of the program; main() calls it before parsing.
void InregistreazaComenzile();
