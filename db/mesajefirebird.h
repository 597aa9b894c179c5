#pragma once

#include <QString>

// The engine's message for a database file that cannot be opened or written, put in a
// Romanian sentence naming the file when the cause is a common one (another program holds
// it, it is missing, no permission, it is damaged, the disk is full); the engine's own text
// follows as the detail. Other messages come back as they are.
QString MesajFirebird(const QString& caleFisier, const QString& mesajMotor);
