#pragma once

#include "db/tdm.h"
#include "db/valoarecamp.h"

#include <QString>
#include <QStringList>

// Creates a record of an entity table the way the edit dialogs do and returns its id.
int AdaugaInregistrare(TDM& dm, const QString& tabel);
// Stores the text of field "FORMULAR.PAG.CAMP" for a record of `tabel`.
void ScrieValoare(TDM& dm, const QString& tabel, int id, const QString& referinta, const QString& text);
// Sets ONOREZ_SIMILAR of a profile line.
void SeteazaOnorez(TDM& dm, const QString& referinta, const QString& onorez);
// Every pupil and every stored value, in a stable order: two databases compare equal by it.
QStringList ContinutBaza(TDM& dm);
