#pragma once

#include "db/supraveghere.h"
#include "db/valorimesaj.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

namespace Firebird {
class FbException;
class IAttachment;
class IMessageMetadata;
class IStatement;
class ITransaction;
} // namespace Firebird

class TLocBazaDeDate;

// What a transaction is for; each kind starts with its own parameters.
enum class TTipTranzactie {
    // The program's work: read committed (a reload sees what the others committed), the last
    // committed version without waiting for a writer, and a bounded wait for a locked row.
    Lucru,
    // Lists and filling: the same, read only, so it can never hold a row another user waits on.
    Citire,
};

// How long a statement waits for a row another user's transaction holds before it fails
// with a lock time-out: long enough for another secretary's save to end, short enough that
// nobody waits on a program left open in the middle of one.
constexpr int SecundeAsteptareBlocare = 5;

// How long opening a connection to a server may take, the server's first answer included.
constexpr int SecundeConectare = 5;

// A statement prepared on a connection, with the description of its parameters and columns.
// Shared by the queries that run the same text; freed with the last of them.
class TInstructiune {
public:
    // Owns the statement from here on.
    explicit TInstructiune(Firebird::IStatement* instructiune) : m_instructiune(instructiune) {}
    ~TInstructiune();
    TInstructiune(const TInstructiune&) = delete;
    TInstructiune& operator=(const TInstructiune&) = delete;

    // Reads the description of the parameters and the columns.
    void Descrie();

    Firebird::IStatement* Instructiune() const { return m_instructiune; }
    Firebird::IMessageMetadata* Intrare() const { return m_intrare; }
    Firebird::IMessageMetadata* Iesire() const { return m_iesire; }
    bool AreCursor() const { return m_areCursor; }
    // A statement that changes the structure: the statements prepared before may no longer
    // describe the tables as they are.
    bool SchimbaStructura() const { return m_schimbaStructura; }
    const std::vector<TDescriereValoare>& Parametri() const { return m_parametri; }
    const std::vector<TDescriereValoare>& Coloane() const { return m_coloane; }
    unsigned LungimeIntrare() const { return m_lungimeIntrare; }
    unsigned LungimeIesire() const { return m_lungimeIesire; }
    // A statement runs one cursor at a time: a second query of the same text while the first
    // reads its rows needs a statement of its own.
    bool CursorDeschis() const { return m_cursorDeschis; }
    void CursorDeschis(bool deschis) { m_cursorDeschis = deschis; }
    // The upper-case name of each column, in order.
    const QStringList& NumeColoane() const { return m_numeColoane; }

private:
    Firebird::IStatement* m_instructiune;
    Firebird::IMessageMetadata* m_intrare = nullptr;
    Firebird::IMessageMetadata* m_iesire = nullptr;
    bool m_areCursor = false;
    bool m_schimbaStructura = false;
    bool m_cursorDeschis = false;
    std::vector<TDescriereValoare> m_parametri;
    std::vector<TDescriereValoare> m_coloane;
    unsigned m_lungimeIntrare = 0;
    unsigned m_lungimeIesire = 0;
    QStringList m_numeColoane;
};

// One attachment to a database through Firebird's own client interface: the embedded file,
// or host[/port]:database, with the connection's text in UTF-8. Statements are prepared once
// per text and kept for the next query that runs it. Every wait for a server is bounded (see
// TSupraveghere); a connection given up on is opened again when the next transaction starts.
class TConexiune {
public:
    TConexiune();
    ~TConexiune();
    TConexiune(const TConexiune&) = delete;
    TConexiune& operator=(const TConexiune&) = delete;

    // Raises the failure in the user's words.
    void Deschide(const TLocBazaDeDate& loc);
    void Inchide();
    bool Deschisa() const { return m_atasare != nullptr; }
    // The file or server connection string, for messages.
    const QString& Nume() const { return m_nume; }

    Firebird::ITransaction* PornesteTranzactie(TTipTranzactie tip);
    // The prepared statement for a text with positional markers, from the cache when it was
    // prepared before and no cursor of it is open.
    std::shared_ptr<TInstructiune> Pregateste(const QString& text, Firebird::ITransaction* tranzactie);
    // A statement without parameters or rows (a savepoint's).
    void Executa(Firebird::ITransaction* tranzactie, const char* sql);
    // The failure of a call of this connection in the user's words: EOprire when a signal
    // cancelled it, EServerTacut when the server did not answer, else as the engine reports it.
    [[noreturn]] void RidicaEroarea(const Firebird::FbException& e);
    // The same for a commit: a connection lost or given up on before the answer leaves the
    // outcome unknown, and the user is told so (not offered to save again).
    [[noreturn]] void RidicaEroareaLaSalvare(const Firebird::FbException& e);

    // Held around every call of the client interface on this connection or its objects.
    class TApel : public TSupraveghere::TApel {
    public:
        explicit TApel(TConexiune& conexiune) : TSupraveghere::TApel(conexiune.m_supraveghere) {}
    };
    // Forgets the prepared statements: after a change of structure they may describe tables
    // as they were.
    void UitaInstructiunile() { m_pregatite.clear(); }

private:
    void Ataseaza();
    // Ends the attachment and keeps where it was, to open it again.
    void Detaseaza();

    Firebird::IAttachment* m_atasare = nullptr;
    // Where the connection was opened, to open it again after a server that did not answer.
    std::unique_ptr<TLocBazaDeDate> m_loc;
    TSupraveghere m_supraveghere;
    QString m_nume;
    QHash<QString, std::shared_ptr<TInstructiune>> m_pregatite;
};

// Statements prepared by every connection of the process since it started: each costs a
// round trip and the engine's compilation, which the cache is there to save.
long long InstructiuniPregatite();
