#pragma once

#include <QDate>
#include <QString>
#include <optional>

// The schema version this program knows; a database of a later one was written by a newer
// program and is neither upgraded nor written.
constexpr int VersiuneSchemaCunoscuta = 4;

// Where the database of the registered profile lives: DB/<NumeBazaDeDate>.FDB in the data folder.
QString CaleBazaDeDateProfil();

// The schema version of a database file, read through a connection of its own (which also
// proves that the file is a database the engine can open). Raises the engine's error.
int VersiuneaFisierului(const QString& cale);

// Refuses a version newer than the program knows, naming the file; nothing has been written.
void VerificaVersiuneaCunoscuta(const QString& cale, int versiune);

// The daily copies: DB/copii/<name>-YYYY-MM-DD.FDB, the last CopiiPastrate of them kept.
class TCopiiZilnice {
public:
    static constexpr int CopiiPastrate = 10;

    explicit TCopiiZilnice(const QString& caleBaza);

    QString Dosar() const;
    QString CaleCopie(const QDate& zi) const;

    // Makes the copy of the day unless it exists: through a temporary name, checked by
    // opening it, then renamed; the oldest copies beyond the last ten are removed. Returns
    // the schema version read from the new copy (none when the copy existed already).
    // A failure is raised; the database itself is never touched.
    std::optional<int> FaCopia(const QDate& zi) const;

private:
    void StergeCopiileVechi() const;

    QString m_caleBaza;
};

// Puts a copy back as the database, never while the program runs (the instance lock): the copy is checked (a database of a version this
// program knows) through a temporary file beside the database, the current database is moved
// aside under a name with the date and time, then the checked copy takes its place. Returns
// where the previous database went (empty when there was none). Refused while the data is
// on a server (PRAVENT_DB or the settings): its backups are gbak's.
QString RestaureazaCopia(const QString& copie);
