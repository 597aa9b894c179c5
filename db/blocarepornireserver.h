#pragma once

#include "db/interogare.h"
#include "db/locbazadedate.h"
#include "db/tranzactie.h"

#include <QString>
#include <optional>

// Serialises the start-ups of the programs that share one server database: held, from the
// schema check to the end of the synchronisation, as an uncommitted update of the one row
// of a table of its own, through a connection of its own. Another start waits on that row until
// this one ends; the write is rolled back, so the waiter meets no update conflict. A process
// that dies loses its connection, and the server releases the row.
class TBlocarePornireServer {
public:
    // Waits for the starts before this one (a few minutes at most); raises a failure in the
    // user's words.
    explicit TBlocarePornireServer(const TLocBazaDeDate& loc);
    TBlocarePornireServer(const TBlocarePornireServer&) = delete;
    TBlocarePornireServer& operator=(const TBlocarePornireServer&) = delete;

    // The lock's table: none of the program's data, and so no reason to call a database in
    // use.
    static QString Tabela();

private:
    void AsiguraTabela();
    bool ExistaTabela();
    void AsiguraRandul();
    bool ExistaRandul();

    TConexiuneProprie m_conexiune;
    TTranzactie m_tr;
    TInterogare m_q;
    // Declared last: released before the query and the connection go.
    std::optional<TGardaTranzactie> m_tinuta;
};
