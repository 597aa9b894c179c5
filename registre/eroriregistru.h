#pragma once

#include "base/eroare.h"

#include <QString>

// The messages a workbook that cannot be read gives, one wording for every reader.
namespace EroriRegistru {
// Files larger than this are not read into memory at all.
constexpr qint64 OctetiMaximi = 64ll * 1024 * 1024;
// No part of a container may inflate to more than this.
constexpr qint64 OctetiMaximiParte = 64ll * 1024 * 1024;

EEroare Lipsa(const QString& cale);
EEroare Necitibil(const QString& cale);
// A device, a pipe, a socket: anything but a regular file or a folder.
EEroare NuEsteFisier(const QString& cale);
EEroare Necunoscut(const QString& numeFisier);
EEroare Deteriorat(const QString& numeFisier);
EEroare Parola(const QString& numeFisier);
EEroare Excel95(const QString& numeFisier);
EEroare PreaMare(const QString& numeFisier);
EEroare FaraFoaie(const QString& numeFoaie);
EEroare FaraFoi(const QString& numeFisier);
}
