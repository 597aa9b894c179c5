#pragma once

#include <QString>
#include <functional>
#include <optional>

// The server passwords live in the desktop's secret store, never in the settings file.
// Each is kept under the user and the connection string it opens.
QString CheieParola(const QString& utilizator, const QString& conexiune);

// The stored password; none when it was never stored or there is no secret store.
std::optional<QString> CitesteParolaSalvata(const QString& cheie);

// Stores the password; the store's error text when there is no secret store (the password
// is then asked at each start), empty when it was kept.
QString SalveazaParola(const QString& cheie, const QString& parola);
// Forgets a stored password (going back to the local database); errors are of no matter.
void StergeParolaSalvata(const QString& cheie);

// Asks the user for a password (the question names the server); none when she cancels.
// The windowed start installs a dialog; the command line has none and fails instead.
using TCerereParola = std::function<std::optional<QString>(const QString& intrebare)>;
void InstaleazaCerereaParolei(TCerereParola cerere);
std::optional<QString> CerereParola(const QString& intrebare);
