#include "db/conexiune.h"

#include "base/eroare.h"
#include "base/semnale.h"
#include "db/blocarefirebird.h"
#include "db/locbazadedate.h"
#include "db/starefirebird.h"

#include <atomic>

using namespace Firebird;

namespace {

std::atomic<long long> g_pregatite{0};

// Beyond this many different texts the cache starts again: table names spliced into a few
// texts make the only statements that vary.
constexpr int InstructiuniPastrate = 512;

QByteArray ParametriTranzactie(TTipTranzactie tip)
{
    QByteArray tpb;
    tpb.append(char(isc_tpb_version3));
    tpb.append(char(tip == TTipTranzactie::Citire ? isc_tpb_read : isc_tpb_write));
    tpb.append(char(isc_tpb_read_committed));
    tpb.append(char(isc_tpb_rec_version));
    tpb.append(char(isc_tpb_wait));
    tpb.append(char(isc_tpb_lock_timeout));
    tpb.append(char(4));
    for (int octet = 0; octet < 4; ++octet)
        tpb.append(char((SecundeAsteptareBlocare >> (8 * octet)) & 0xFF));
    return tpb;
}

void Elibereaza(IReferenceCounted* obiect)
{
    if (obiect)
        obiect->release();
}

} // namespace

TEroareMotor EroareMotor(const FbException& e)
{
    TEroareMotor eroare;
    char text[2048] = {};
    fb_get_master_interface()->getUtilInterface()->formatStatus(text, sizeof text - 1, e.getStatus());
    eroare.Text = QString::fromUtf8(text).trimmed();
    // The vector: pairs of an argument kind and its value, a code after each isc_arg_gds.
    const intptr_t* vector = e.getStatus()->getErrors();
    while (vector && *vector != isc_arg_end) {
        const intptr_t tip = vector[0];
        if (tip == isc_arg_gds)
            eroare.Coduri.append(long(vector[1]));
        vector += (tip == isc_arg_cstring) ? 3 : 2;
    }
    return eroare;
}

long long InstructiuniPregatite()
{
    return g_pregatite.load();
}

void TInstructiune::Descrie()
{
    TStare stare;
    m_intrare = m_instructiune->getInputMetadata(&stare);
    m_iesire = m_instructiune->getOutputMetadata(&stare);
    m_areCursor = (m_instructiune->getFlags(&stare) & IStatement::FLAG_HAS_CURSOR) != 0;
    m_schimbaStructura = m_instructiune->getType(&stare) == isc_info_sql_stmt_ddl;
    m_parametri = DescriereMesaj(*m_intrare);
    m_coloane = DescriereMesaj(*m_iesire);
    m_lungimeIntrare = m_intrare->getMessageLength(&stare);
    m_lungimeIesire = m_iesire->getMessageLength(&stare);
    for (unsigned i = 0; i < m_coloane.size(); ++i)
        m_numeColoane.append(QString::fromUtf8(m_iesire->getAlias(&stare, i)).toUpper());
}

TInstructiune::~TInstructiune()
{
    Elibereaza(m_intrare);
    Elibereaza(m_iesire);
    Elibereaza(m_instructiune);
}

TConexiune::TConexiune() = default;

TConexiune::~TConexiune()
{
    Inchide();
}

void TConexiune::Deschide(const TLocBazaDeDate& loc)
{
    Inchide();
    m_loc = std::make_unique<TLocBazaDeDate>(loc);
    try {
        Ataseaza();
    } catch (...) {
        m_loc.reset();
        throw;
    }
}

void TConexiune::Ataseaza()
{
    AlegeDosarulDeBlocareFirebird();
    const TLocBazaDeDate& loc = *m_loc;
    m_nume = loc.Conexiune();
    IMaster* master = fb_get_master_interface();
    IXpbBuilder* dpb = nullptr;
    try {
        TStare stare;
        dpb = master->getUtilInterface()->getXpbBuilder(&stare, IXpbBuilder::DPB, nullptr, 0);
        dpb->insertString(&stare, isc_dpb_user_name, loc.Utilizator().toUtf8().constData());
        dpb->insertString(&stare, isc_dpb_password, loc.Parola().toUtf8().constData());
        dpb->insertString(&stare, isc_dpb_lc_ctype, "UTF8");
        // Also bounds the wait for the server's first answer: a port that accepts and never
        // answers would otherwise hold the start for minutes.
        if (loc.PeServer())
            dpb->insertInt(&stare, isc_dpb_connect_timeout, SecundeConectare);
        // The path in UTF-8 whatever the system's own encoding of file names.
        dpb->insertTag(&stare, isc_dpb_utf8_filename);
        IProvider* furnizor = master->getDispatcher();
        try {
            m_atasare = furnizor->attachDatabase(&stare, m_nume.toUtf8().constData(),
                                                 dpb->getBufferLength(&stare), dpb->getBuffer(&stare));
        } catch (...) {
            furnizor->release();
            throw;
        }
        furnizor->release();
        dpb->dispose();
    } catch (const FbException& e) {
        if (dpb)
            dpb->dispose();
        VerificaOprirea();
        throw EEroare(MesajFirebird(m_nume, EroareMotor(e)));
    }
    m_supraveghere.Porneste(m_atasare, loc.PeServer());
    // The embedded engine puts in signal handlers of its own when it first attaches.
    InstaleazaOprireaLaSemnal();
}

void TConexiune::Inchide()
{
    Detaseaza();
    m_loc.reset();
}

void TConexiune::Detaseaza()
{
    m_pregatite.clear();
    if (!m_atasare)
        return;
    try {
        const TApel apel(*this);
        TStare stare;
        m_atasare->detach(&stare);
    } catch (const FbException&) {
        // A connection already lost: nothing is left to end on the server.
        m_atasare->release();
    }
    m_supraveghere.Opreste();
    m_atasare = nullptr;
}

void TConexiune::RidicaEroarea(const FbException& e)
{
    VerificaOprirea();
    if (m_supraveghere.ServerTacut())
        throw EServerTacut(m_nume);
    RidicaEroareaMotorului(m_nume, EroareMotor(e));
}

void TConexiune::RidicaEroareaLaSalvare(const FbException& e)
{
    const TEroareMotor eroare = EroareMotor(e);
    if (m_supraveghere.ServerTacut() || LegaturaPierduta(eroare))
        throw EEroare(MesajSalvareIntrerupta(m_nume, eroare));
    RidicaEroarea(e);
}

ITransaction* TConexiune::PornesteTranzactie(TTipTranzactie tip)
{
    if (m_atasare && m_supraveghere.Taiata())
        Detaseaza();
    if (!m_atasare && m_loc) {
        // Given up on in an earlier call: the server ended that work, and this one starts on
        // a new connection, or is given up on again.
        VerificaOprirea();
        try {
            Ataseaza();
        } catch (const EOprire&) {
            throw;
        } catch (const EEroare&) {
            throw EServerTacut(m_nume);
        }
    }
    if (!m_atasare)
        throw EEroare(QStringLiteral("Baza de date nu este deschisa."));
    const QByteArray tpb = ParametriTranzactie(tip);
    try {
        const TApel apel(*this);
        TStare stare;
        return m_atasare->startTransaction(&stare, unsigned(tpb.size()),
                                           reinterpret_cast<const unsigned char*>(tpb.constData()));
    } catch (const FbException& e) {
        RidicaEroarea(e);
    }
}

std::shared_ptr<TInstructiune> TConexiune::Pregateste(const QString& text, ITransaction* tranzactie)
{
    const auto gasita = m_pregatite.constFind(text);
    if (gasita != m_pregatite.cend() && !gasita.value()->CursorDeschis())
        return gasita.value();
    const bool pastrata = gasita == m_pregatite.cend();
    if (pastrata && m_pregatite.size() >= InstructiuniPastrate)
        m_pregatite.clear();
    const QByteArray sql = text.toUtf8();
    try {
        const TApel apel(*this);
        TStare stare;
        auto pregatita = std::make_shared<TInstructiune>(
            m_atasare->prepare(&stare, tranzactie, unsigned(sql.size()), sql.constData(), SQL_DIALECT_V6,
                               IStatement::PREPARE_PREFETCH_METADATA));
        ++g_pregatite;
        pregatita->Descrie();
        if (pastrata)
            m_pregatite.insert(text, pregatita);
        return pregatita;
    } catch (const FbException& e) {
        RidicaEroarea(e);
    }
}

void TConexiune::Executa(ITransaction* tranzactie, const char* sql)
{
    try {
        const TApel apel(*this);
        TStare stare;
        m_atasare->execute(&stare, tranzactie, 0, sql, SQL_DIALECT_V6, nullptr, nullptr, nullptr, nullptr);
    } catch (const FbException& e) {
        RidicaEroarea(e);
    }
}
