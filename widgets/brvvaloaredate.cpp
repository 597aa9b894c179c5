#include "widgets/brvvaloaredate.h"

#include "base/eroare.h"

void TBrvValoareDate::SetSuma(qint64 zecimiiDeMii)
{
    m_tip = TipSuma;
    m_valoare = zecimiiDeMii;
}

void TBrvValoareDate::SetIntreg(int valoare)
{
    m_tip = TipIntreg;
    m_valoare = valoare;
}

void TBrvValoareDate::SetSutimi(int sutimi)
{
    m_tip = TipSutimi;
    m_valoare = sutimi;
}

void TBrvValoareDate::SetText(const QString& text)
{
    m_tip = TipText;
    m_valoare = text;
}

void TBrvValoareDate::SetDataFaraAn(const QDate& data)
{
    m_tip = TipDataFaraAn;
    m_valoare = data;
}

void TBrvValoareDate::SetDataCuAn(const QDate& data)
{
    m_tip = TipDataCuAn;
    m_valoare = data;
}

void TBrvValoareDate::SetDataLunga(const QDate& data)
{
    m_tip = TipDataLunga;
    m_valoare = data;
}

void TBrvValoareDate::MarcheazaFaraDate()
{
    m_tip = TipFaraDate;
    m_valoare = std::monostate();
}

void TBrvValoareDate::VerificaTip(Tip asteptat) const
{
    if (m_tip != asteptat)
        throw EEroare(QStringLiteral("Tip incorect"));
}

qint64 TBrvValoareDate::Suma() const
{
    VerificaTip(TipSuma);
    return std::get<qint64>(m_valoare);
}

int TBrvValoareDate::Intreg() const
{
    VerificaTip(TipIntreg);
    return std::get<int>(m_valoare);
}

int TBrvValoareDate::Sutimi() const
{
    VerificaTip(TipSutimi);
    return std::get<int>(m_valoare);
}

QString TBrvValoareDate::Text() const
{
    VerificaTip(TipText);
    return std::get<QString>(m_valoare);
}

QDate TBrvValoareDate::DataFaraAn() const
{
    VerificaTip(TipDataFaraAn);
    return std::get<QDate>(m_valoare);
}

QDate TBrvValoareDate::DataCuAn() const
{
    VerificaTip(TipDataCuAn);
    return std::get<QDate>(m_valoare);
}

QDate TBrvValoareDate::DataLunga() const
{
    VerificaTip(TipDataLunga);
    return std::get<QDate>(m_valoare);
}
