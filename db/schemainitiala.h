#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The statements of a script in Firebird's SQL: comments ("/* */" and "--") removed, split at
// each ";" outside quoted text ('...' and "..."), trimmed; empty statements left out.
QStringList InstructiuniScript(const QString& script);

// The statements grouped into the transactions that run them in order. A "COMMIT" of the script
// ends one; so does a definition followed by a data statement, since the engine knows a new
// table only once the transaction that created it has committed.
QList<QStringList> TranzactiiScript(const QStringList& instructiuni);

// The transactions of the version-1 schema, from the script the build makes BLANK.FDB from.
QList<QStringList> TranzactiiSchemaInitiala();
