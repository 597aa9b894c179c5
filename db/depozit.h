#pragma once

#include "db/valoarecamp.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// A record of an entity table as its list shows it.
struct TLinieAfisata {
    int Id = -1;
    QString Denumire;
};

using TLiniiAfisate = std::vector<TLinieAfisata>;

// Whether a pupil with this identifier is stored.
bool ExistaElevul(int idElev);

// Every record of `tabel`, by identifier, with its display expression expanded; a bounded
// number of statements whatever the number of records.
TLiniiAfisate CitesteLiniiAfisate(const QString& tabel, const QString& expresie);

// The lines that contain `cautat` as typed, whatever the case and the Romanian marks;
// every line when it is blank.
TLiniiAfisate LiniiFiltrate(const TLiniiAfisate& linii, const QString& cautat);

// --- Profile lines ---------------------------------------------------------------------

// A profile line as the record editor page builds its editor from it.
struct TCampEditor {
    QString CodFormular, CodPagina, CodCamp, SimilarCu, OnorezSimilar, Eticheta, TipDeDate, CodLinie;
    int LatimeSugerata = 0;
};
// The fields owned by `tabel`, in profile order. Runs in the caller's transaction.
std::vector<TCampEditor> CampuriEditorTabel(const QString& tabel);

// A profile line as the profile configuration lists it.
struct TLinieProfil {
    QString CodFormular, CodPagina, CodCamp, EtichetaEditor, OnorezSimilar, AsociatCu;
};
// Every profile line, in profile order then by key, in a read transaction of its own.
std::vector<TLinieProfil> LiniiProfil();

// The names of the entity tables (TABELE), sorted; a read transaction of its own.
QStringList NumeleTabelelor();

// Whether a field takes its similar field's value, and the table that owns it.
struct TLegaturaCamp {
    QString OnorezSimilar, AsociatCu;
};
// The line's link settings, or none when the profile has no such line; a read transaction.
std::optional<TLegaturaCamp> LegaturaCamp(const TReferintaCamp& camp);
// Stores the line's link settings and commits.
void ScrieLegaturaCamp(const TReferintaCamp& camp, const TLegaturaCamp& legatura);

// The data type of a profile field, or none when the profile has no such field. Runs in the
// caller's transaction when there is one.
std::optional<QString> TipDeDateCamp(const TReferintaCamp& camp);

// --- Record values ---------------------------------------------------------------------

// The stored text of a field of record `id` of `tabel`; a null string when nothing is
// stored. Runs in the caller's transaction.
QString ValoareStocata(const TReferintaCamp& camp, const QString& tabel, int id);
// Stores the text of a field of a record, inserting its row or updating it; the update
// clears the id columns of every other entity table, since a stored value belongs to
// exactly one record of one table. Runs in the caller's transaction.
void ScrieValoareStocata(const TReferintaCamp& camp, const QString& tabel, int id, const QString& valoare);
// The stored text of each field of record `id` of `tabel`, in the order given, as
// ValoareStocata gives it, in one statement. Runs in the caller's transaction.
QStringList ValoriStocate(const QList<TReferintaCamp>& campuri, const QString& tabel, int id);
// Every distinct text stored for a field, whatever the record. Runs in the caller's transaction.
QStringList ValoriDistincte(const TReferintaCamp& camp);

// --- Records ---------------------------------------------------------------------------

// A new record of `tabel` with the next identifier of its generator. Runs in the caller's
// transaction.
int InregistrareNoua(const QString& tabel);
// Locks the record's row until the caller's transaction ends, so that two saves of one record
// run one after the other; false when the record is no longer stored. Waits a few seconds
// for another user's save, then fails with EConflictConcurent.
bool BlocheazaInregistrarea(const QString& tabel, int id);
// Serialises the units of work that look a record of `tabel` up by a value and create it
// when it is missing (the import by CNP): each holds the table's TABELE row until its
// transaction ends. Waits like BlocheazaInregistrarea.
void BlocheazaInregistrariNoi(const QString& tabel);
// Deletes a record of `tabel` (its values go with it) and commits.
void StergeInregistrare(const QString& tabel, int id);

// --- The spreadsheet import ------------------------------------------------------------

// A profile line of a pupil field that copies no other field, untrimmed as stored.
struct TLinieImport {
    QString CodFormular, CodPagina, CodCamp, EtichetaEditor, TipDeDate;
};
// Those lines, in profile order; a read transaction of its own.
std::vector<TLinieImport> LiniiPaginiImport();

// The first profile field of type "CNP", or none; a read transaction of its own.
std::optional<TReferintaCamp> CampulCnp();

// The text of a pupil's field in its value rows; a field without a row stays without. Runs in
// the caller's transaction.
void ScrieValoareElev(const TReferintaCamp& camp, int idElev, const QString& valoare);

// How long a text VALOARE_TEXT holds, in the unit of its character set: characters, or
// bytes of the connection's UTF-8 for a column without one. Runs in the caller's transaction
// when there is one.
struct TMarimeValoareText {
    int Maxim = 0;
    bool InOcteti = false;
};
TMarimeValoareText MarimeValoareText();
