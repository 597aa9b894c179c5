#pragma once

#include "db/tdm.h"

#include <QTemporaryDir>
#include <memory>

// A fresh data folder and settings store for one test: PRAVENT_HOME points into a new
// temporary folder, and the settings live under it too. Restored on destruction.
class TMediuTest {
public:
    // cuSablon: put the template database into the data folder.
    explicit TMediuTest(bool cuSablon = true);
    ~TMediuTest();

    QString Dosar() const { return m_dosar.path(); }
    QString CaleBazaDeDate() const { return m_dosar.path() + QStringLiteral("/DB/PV2006.FDB"); }
    QString CaleSablon() const { return m_dosar.path() + QStringLiteral("/BLANK.FDB"); }

    // Creates the data module (no splash) and runs its start-up work.
    TDM& PornesteDM();
    // Closes the data module, as at the end of a run.
    void OpresteDM() { m_dm.reset(); }
    TDM& DM() { return *m_dm; }

private:
    QTemporaryDir m_dosar;
    QByteArray m_homeAnterior;
    std::unique_ptr<TDM> m_dm;
};

// The SHA-256 of a file's bytes; empty when it cannot be read.
QByteArray AmprentaFisier(const QString& cale);

// Runs one statement in its own committed transaction on the data module.
void ExecutaSql(TDM& dm, const QString& sql);
// The first column of every row of a query, as text, in a rolled-back transaction.
QStringList ColoanaSql(TDM& dm, const QString& sql);
