#include "db/interogare.h"

#include "base/eroare.h"
#include "base/semnale.h"
#include "db/mesajefirebird.h"
#include "db/tranzactie.h"

#include <QSqlError>
#include <QSqlRecord>
#include <atomic>

namespace {

std::atomic<long long> g_instructiuni{0};

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
    if (!m_query || m_textPregatit != m_pozitional.Text) {
        Elibereaza();
        m_query = std::make_unique<QSqlQuery>(m_tr.Baza());
        m_query->setForwardOnly(true);
        if (!m_query->prepare(m_pozitional.Text)) {
            const QString mesaj = m_query->lastError().text();
            m_query.reset();
            throw EEroare(mesaj);
        }
        m_textPregatit = m_pozitional.Text;
    }
    for (int i = 0; i < m_pozitional.Nume.size(); ++i)
        m_query->bindValue(i, m_parametri.value(m_pozitional.Nume.at(i)));
    ++g_instructiuni;
    if (!m_query->exec()) {
        const QString mesaj = m_query->lastError().text();
        Elibereaza();
        RidicaEroareaMotorului(mesaj);
    }
}

void TInterogare::Open()
{
    Executa();
    m_activa = true;
    m_eof = !RandUrmator();
}

bool TInterogare::RandUrmator()
{
    if (m_query->next())
        return true;
    // A row is locked or read only when it is fetched, so a fetch can fail as well as end.
    if (m_query->lastError().isValid()) {
        const QString mesaj = m_query->lastError().text();
        Elibereaza();
        RidicaEroareaMotorului(mesaj);
    }
    return false;
}

void TInterogare::ExecSQL()
{
    Executa();
    m_query->finish();
}

void TInterogare::Next()
{
    VerificaOprirea();
    if (!m_activa)
        throw EEroare(QStringLiteral("%1: interogarea nu este deschisa").arg(m_nume));
    m_eof = !RandUrmator();
}

TCamp TInterogare::FieldByName(const QString& nume) const
{
    if (!m_activa || m_eof)
        throw EEroare(QStringLiteral("%1: nu exista un rand curent").arg(m_nume));
    if (m_coloane.isEmpty()) {
        const QSqlRecord inregistrare = m_query->record();
        for (int i = inregistrare.count() - 1; i >= 0; --i)
            m_coloane.insert(inregistrare.fieldName(i).toUpper(), i); // the first of equal names wins
    }
    const int index = m_coloane.value(nume.toUpper(), -1);
    if (index < 0)
        throw EEroare(QStringLiteral("%1: campul %2 nu exista").arg(m_nume, nume));
    return TCamp(m_query->value(index));
}

TCamp TInterogare::Fields(int index) const
{
    if (!m_activa || m_eof)
        throw EEroare(QStringLiteral("%1: nu exista un rand curent").arg(m_nume));
    return TCamp(m_query->value(index));
}

void TInterogare::Close()
{
    if (m_query)
        m_query->finish();
    m_activa = false;
    m_eof = true;
}

void TInterogare::Elibereaza()
{
    Close();
    m_query.reset();
    m_textPregatit.clear();
    m_coloane.clear();
}
