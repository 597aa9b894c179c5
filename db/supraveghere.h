#pragma once

#include <chrono>

namespace Firebird {
class IAttachment;
} // namespace Firebird

// How long one call may wait for a server before it is given up on: beyond the bounded wait
// for a row another user holds, with room for a slow network.
constexpr int SecundeRaspunsServer = 15;
// How long a call may go on once a signal asked the program to end, before it is cancelled.
constexpr int SecundeInainteDeOprire = 1;
// How long a cancelled call to a server may still take before its socket is closed: a server
// that is frozen or cut off never reads the cancellation.
constexpr int SecundeDupaAnulare = 2;

// The calls of one connection, watched by a thread of the process: a call to a server that has
// not answered in SecundeRaspunsServer is cancelled, and so is a call still waiting
// SecundeInainteDeOprire after a signal asked the program to end; a cancelled call to a
// server that still does not return has the connection's socket closed, which the client
// then reports at once. The calls themselves stay on the thread that makes them.
class TSupraveghere {
public:
    TSupraveghere() = default;
    ~TSupraveghere() { Opreste(); }
    TSupraveghere(const TSupraveghere&) = delete;
    TSupraveghere& operator=(const TSupraveghere&) = delete;

    // Watches the calls of an open attachment (not owned) from now on.
    void Porneste(Firebird::IAttachment* atasare, bool server);
    // Before the attachment goes.
    void Opreste();

    // Whether the last call was given up on because the server did not answer.
    bool ServerTacut() const;
    // Whether the connection's socket was closed: nothing more can be done on it.
    bool Taiata() const;

    // One call of the client interface, from its start to its end.
    class TApel {
    public:
        explicit TApel(TSupraveghere& supraveghere);
        ~TApel();
        TApel(const TApel&) = delete;
        TApel& operator=(const TApel&) = delete;

    private:
        TSupraveghere& m_supraveghere;
    };

private:
    friend class TCeasSupraveghere;
    using TMoment = std::chrono::steady_clock::time_point;
    // Called by the watching thread, under its lock.
    void Verifica(TMoment acum, bool oprireCeruta);

    Firebird::IAttachment* m_atasare = nullptr;
    bool m_server = false;
    bool m_inApel = false;
    TMoment m_inceput;
    TMoment m_anulatLa;
    int m_pas = 0;  // 0: running, 1: cancelled, 2: socket closed
    bool m_tacut = false;
    bool m_taiata = false;
};
