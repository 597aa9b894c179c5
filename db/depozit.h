#pragma once

#include <QString>
#include <vector>

// A record of an entity table as its list shows it.
struct TLinieAfisata {
    int Id = -1;
    QString Denumire;
};

using TLiniiAfisate = std::vector<TLinieAfisata>;

// Whether a pupil with this identifier is stored.
bool ExistaElevul(int idElev);

// Every record of `tabel`, by identifier, with its display expression expanded.
TLiniiAfisate CitesteLiniiAfisate(const QString& tabel, const QString& expresie);

// The lines that contain `cautat` as typed, case-sensitive; every line when it is blank.
TLiniiAfisate LiniiFiltrate(const TLiniiAfisate& linii, const QString& cautat);
