#pragma once

#include "base/eroare.h"
#include "registre/coloaneexcel.h"
#include "registre/registru.h"

#include <QByteArray>
#include <cstdint>

// Reads every sheet of a workbook as the import does; a refusal with a message is a fine
// outcome for a fuzzed input, anything else is a finding.
template <class TCititor>
int CitesteTot(const uint8_t* date, size_t marime, const char* numeFisier)
{
    try {
        const QByteArray octeti(reinterpret_cast<const char*>(date), qsizetype(marime));
        TCititor registru(octeti, QString::fromLatin1(numeFisier));
        TListaColoaneExcel coloane;
        for (const QString& foaie : registru.Foi()) {
            CitesteFoaia(registru.Foaie(foaie), coloane);
            registru.Text(foaie, QStringLiteral("A1"));
        }
    } catch (const EEroare&) {
    }
    return 0;
}
