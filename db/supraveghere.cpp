#include "db/supraveghere.h"

#include "base/semnale.h"

#include <algorithm>
#include <condition_variable>
#include <firebird/Interface.h>
#include <mutex>
#include <thread>
#include <vector>

using namespace Firebird;

// The watching thread: runs while a connection is open, a few times a second.
class TCeasSupraveghere {
public:
    static TCeasSupraveghere& Instanta()
    {
        static TCeasSupraveghere ceas;
        return ceas;
    }
    ~TCeasSupraveghere()
    {
        const std::lock_guard<std::mutex> pornire(m_pornire);
        OpresteFirul();
    }

    std::mutex& Lacat() { return m_lacat; }

    void Adauga(TSupraveghere* s)
    {
        const std::lock_guard<std::mutex> pornire(m_pornire);
        {
            const std::lock_guard<std::mutex> blocat(m_lacat);
            m_supravegheri.push_back(s);
            if (m_fir.joinable())
                return;
            m_opreste = false;
        }
        m_fir = std::thread([this] { Ruleaza(); });
    }

    void Scoate(TSupraveghere* s)
    {
        const std::lock_guard<std::mutex> pornire(m_pornire);
        {
            const std::lock_guard<std::mutex> blocat(m_lacat);
            m_supravegheri.erase(std::remove(m_supravegheri.begin(), m_supravegheri.end(), s), m_supravegheri.end());
            if (!m_supravegheri.empty())
                return;
        }
        OpresteFirul();
    }

private:
    TCeasSupraveghere() = default;

    void OpresteFirul()
    {
        {
            const std::lock_guard<std::mutex> blocat(m_lacat);
            m_opreste = true;
        }
        m_trezire.notify_all();
        if (m_fir.joinable())
            m_fir.join();
    }

    void Ruleaza()
    {
        std::unique_lock<std::mutex> blocat(m_lacat);
        while (!m_opreste) {
            m_trezire.wait_for(blocat, std::chrono::milliseconds(200));
            const auto acum = std::chrono::steady_clock::now();
            for (TSupraveghere* s : m_supravegheri)
                s->Verifica(acum, OprireCeruta());
        }
    }

    // Held while the thread is started or stopped, by whichever thread opens or closes a connection.
    std::mutex m_pornire;
    std::mutex m_lacat;
    std::condition_variable m_trezire;
    std::vector<TSupraveghere*> m_supravegheri;
    std::thread m_fir;
    bool m_opreste = false;
};

namespace {

void Anuleaza(IAttachment* atasare, int fel)
{
    CheckStatusWrapper stare(fb_get_master_interface()->getStatus());
    // A failure changes nothing: the call goes on as it would have.
    atasare->cancelOperation(&stare, fel);
    stare.dispose();
}

} // namespace

void TSupraveghere::Porneste(IAttachment* atasare, bool server)
{
    Opreste();
    {
        const std::lock_guard<std::mutex> blocat(TCeasSupraveghere::Instanta().Lacat());
        m_atasare = atasare;
        m_server = server;
        m_inApel = false;
        m_tacut = false;
        m_taiata = false;
    }
    TCeasSupraveghere::Instanta().Adauga(this);
}

void TSupraveghere::Opreste()
{
    bool pornita = false;
    {
        const std::lock_guard<std::mutex> blocat(TCeasSupraveghere::Instanta().Lacat());
        pornita = m_atasare != nullptr;
        m_atasare = nullptr;
    }
    if (pornita)
        TCeasSupraveghere::Instanta().Scoate(this);
}

bool TSupraveghere::ServerTacut() const
{
    const std::lock_guard<std::mutex> blocat(TCeasSupraveghere::Instanta().Lacat());
    return m_tacut;
}

bool TSupraveghere::Taiata() const
{
    const std::lock_guard<std::mutex> blocat(TCeasSupraveghere::Instanta().Lacat());
    return m_taiata;
}

void TSupraveghere::Verifica(TMoment acum, bool oprireCeruta)
{
    if (!m_atasare || !m_inApel)
        return;
    if (m_pas == 0) {
        const bool tacut = m_server && acum - m_inceput >= std::chrono::seconds(SecundeRaspunsServer);
        // A call that ends on its own soon is left alone: the program stops at the next
        // statement anyway, and a cancellation that came too late would hit that one, the
        // commit of the rows already done included.
        const bool oprita = oprireCeruta && acum - m_inceput >= std::chrono::seconds(SecundeInainteDeOprire);
        if (!tacut && !oprita)
            return;
        m_tacut = tacut;
        m_pas = 1;
        m_anulatLa = acum;
        Anuleaza(m_atasare, fb_cancel_raise);
    } else if (m_pas == 1 && m_server && acum - m_anulatLa >= std::chrono::seconds(SecundeDupaAnulare)) {
        m_tacut = m_tacut || !oprireCeruta;
        m_taiata = true;
        m_pas = 2;
        Anuleaza(m_atasare, fb_cancel_abort);
    }
}

TSupraveghere::TApel::TApel(TSupraveghere& supraveghere) : m_supraveghere(supraveghere)
{
    const std::lock_guard<std::mutex> blocat(TCeasSupraveghere::Instanta().Lacat());
    m_supraveghere.m_inApel = true;
    m_supraveghere.m_inceput = std::chrono::steady_clock::now();
    m_supraveghere.m_pas = 0;
    m_supraveghere.m_tacut = false;
}

TSupraveghere::TApel::~TApel()
{
    const std::lock_guard<std::mutex> blocat(TCeasSupraveghere::Instanta().Lacat());
    m_supraveghere.m_inApel = false;
}
