#include "db/interogare.h"

#include "base/eroare.h"
#include "base/semnale.h"
#include "db/conexiune.h"
#include "db/starefirebird.h"
#include "db/tranzactie.h"

#include <atomic>

using namespace Firebird;

namespace {

std::atomic<long long> g_instructiuni{0};

unsigned char* Octeti(QByteArray& mesaj)
{
    return reinterpret_cast<unsigned char*>(mesaj.data());
}

} // namespace

long long InstructiuniRulate()
{
    return g_instructiuni.load();
}

QString TCamp::AsString() const
{
    return m_valoare.isNull() ? QString() : m_valoare.toString();
}

int TCamp::AsInteger() const
{
    if (m_valoare.isNull())
        return 0;
    bool ok = false;
    const int v = m_valoare.toString().trimmed().toInt(&ok);
    if (!ok)
        throw EEroare(QStringLiteral("'%1' nu este un numar intreg valid").arg(m_valoare.toString()));
    return v;
}

TInterogare::TInterogare(TTranzactie& tr, QString nume) : m_tr(tr), m_nume(std::move(nume))
{
    m_tr.Inregistreaza(this);
}

TInterogare::~TInterogare()
{
    Elibereaza();
    m_tr.Elimina(this);
}

void TInterogare::SQL(const QString& text)
{
    Close();
    m_sql = text;
    m_pozitional = ParametriPozitionali(text);
    m_parametri.clear();
}

void TInterogare::ParamByName(const QString& nume, const QVariant& valoare)
{
    const QString cheie = nume.toUpper();
    if (!m_pozitional.Nume.contains(cheie))
        throw EEroare(QStringLiteral("%1: parametrul %2 nu exista").arg(m_nume, nume));
    if (valoare.typeId() == QMetaType::QString && valoare.toString().isNull())
        m_parametri.insert(cheie, QString(QLatin1String("")));
    else
        m_parametri.insert(cheie, valoare);
}

void TInterogare::Executa()
{
    VerificaOprirea();
    Close();
    if (!m_tr.Active())
        throw EEroare(QStringLiteral("%1: tranzactia nu este activa").arg(m_nume));
    ITransaction* tranzactie = m_tr.Maner();
    if (!m_instructiune || m_textPregatit != m_pozitional.Text || m_instructiune->CursorDeschis()) {
        Elibereaza();
        m_instructiune = m_tr.Conexiune().Pregateste(m_pozitional.Text, tranzactie);
        m_textPregatit = m_pozitional.Text;
        m_intrare = QByteArray(int(m_instructiune->LungimeIntrare()), '\0');
        m_iesire = QByteArray(int(m_instructiune->LungimeIesire()), '\0');
        const QStringList& coloane = m_instructiune->NumeColoane();
        for (int i = coloane.size() - 1; i >= 0; --i)
            m_coloane.insert(coloane.at(i), i);
    }
    const std::vector<TDescriereValoare>& parametri = m_instructiune->Parametri();
    if (parametri.size() != std::size_t(m_pozitional.Nume.size()))
        throw EEroare(QStringLiteral("%1: instructiunea are %2 parametri, iar textul numeste %3")
                          .arg(m_nume)
                          .arg(parametri.size())
                          .arg(m_pozitional.Nume.size()));
    for (std::size_t i = 0; i < parametri.size(); ++i) {
        const QString& nume = m_pozitional.Nume.at(int(i));
        ScrieParametru(parametri[i], Octeti(m_intrare), m_parametri.value(nume), nume, m_nume);
    }
    if (m_instructiune->SchimbaStructura())
        m_tr.m_structuraSchimbata = true;
    ++g_instructiuni;
    IStatement* instructiune = m_instructiune->Instructiune();
    try {
        const TConexiune::TApel apel(m_tr.Conexiune());
        TStare stare;
        if (m_instructiune->AreCursor()) {
            m_cursor = instructiune->openCursor(&stare, tranzactie, m_instructiune->Intrare(), Octeti(m_intrare),
                                                m_instructiune->Iesire(), 0);
            m_instructiune->CursorDeschis(true);
        } else {
            instructiune->execute(&stare, tranzactie, m_instructiune->Intrare(), Octeti(m_intrare),
                                  m_instructiune->Iesire(), Octeti(m_iesire));
        }
    } catch (const FbException& e) {
        m_tr.Conexiune().RidicaEroarea(e);
    }
}

void TInterogare::Open()
{
    Executa();
    // A statement without a cursor (one that returns its values) has its one row already.
    m_eof = m_cursor ? !RandUrmator() : m_instructiune->Coloane().empty();
    m_activa = true;
}

bool TInterogare::RandUrmator()
{
    if (!m_cursor)
        return false;
    // A row is locked or read only when it is fetched, so a fetch can fail as well as end.
    try {
        const TConexiune::TApel apel(m_tr.Conexiune());
        TStare stare;
        if (m_cursor->fetchNext(&stare, Octeti(m_iesire)) == IStatus::RESULT_OK)
            return true;
    } catch (const FbException& e) {
        Close();
        m_tr.Conexiune().RidicaEroarea(e);
    }
    InchideCursorul();
    return false;
}

void TInterogare::ExecSQL()
{
    Executa();
    InchideCursorul();
}

void TInterogare::Next()
{
    VerificaOprirea();
    if (!m_activa)
        throw EEroare(QStringLiteral("%1: interogarea nu este deschisa").arg(m_nume));
    m_eof = !RandUrmator();
}

TCamp TInterogare::Camp(int index) const
{
    if (!m_activa || m_eof)
        throw EEroare(QStringLiteral("%1: nu exista un rand curent").arg(m_nume));
    const std::vector<TDescriereValoare>& coloane = m_instructiune->Coloane();
    if (index < 0 || std::size_t(index) >= coloane.size())
        throw EEroare(QStringLiteral("%1: coloana %2 nu exista").arg(m_nume).arg(index));
    return TCamp(CitesteColoana(coloane[std::size_t(index)],
                                reinterpret_cast<const unsigned char*>(m_iesire.constData())));
}

TCamp TInterogare::FieldByName(const QString& nume) const
{
    if (!m_activa || m_eof)
        throw EEroare(QStringLiteral("%1: nu exista un rand curent").arg(m_nume));
    const int index = m_coloane.value(nume.toUpper(), -1);
    if (index < 0)
        throw EEroare(QStringLiteral("%1: campul %2 nu exista").arg(m_nume, nume));
    return Camp(index);
}

TCamp TInterogare::Fields(int index) const
{
    return Camp(index);
}

void TInterogare::InchideCursorul()
{
    if (!m_cursor)
        return;
    try {
        const TConexiune::TApel apel(m_tr.Conexiune());
        TStare stare;
        m_cursor->close(&stare);
    } catch (const FbException&) {
        // Its transaction or connection is gone, and the cursor with it.
        m_cursor->release();
    }
    m_cursor = nullptr;
    m_instructiune->CursorDeschis(false);
}

void TInterogare::Close()
{
    InchideCursorul();
    m_activa = false;
    m_eof = true;
}

void TInterogare::Elibereaza()
{
    Close();
    m_instructiune.reset();
    m_textPregatit.clear();
    m_coloane.clear();
}
