#include "widgets/brvvirtualgridcolumn.h"

#include "base/eroare.h"


namespace {

TBrvFontColorat FontUmbrelaImplicit()
{
    return {FontArial(8), QColor(Qt::darkBlue)};
}

} // namespace

TBrvVirtualGridColumn::TBrvVirtualGridColumn(TBrvVirtualGridColumns* colectie)
    : m_colectie(colectie), m_fontUmbrela1(FontUmbrelaImplicit()), m_fontUmbrela2(FontUmbrelaImplicit())
{
    m_stiluri[0].Activ = true;
}

void TBrvVirtualGridColumn::Assign(const TBrvVirtualGridColumn& sursa)
{
    auto copiaza = [&] {
        m_tipDeDate = sursa.m_tipDeDate;
        m_numeColoana = sursa.m_numeColoana;
        m_umbrela1 = sursa.m_umbrela1;
        m_umbrela2 = sursa.m_umbrela2;
        m_culoareHeader = sursa.m_culoareHeader;
        m_aliniereTextInHeader = sursa.m_aliniereTextInHeader;
        m_fontUmbrela1 = sursa.m_fontUmbrela1;
        m_fontUmbrela2 = sursa.m_fontUmbrela2;
        m_culoareUmbrela1 = sursa.m_culoareUmbrela1;
        m_culoareUmbrela2 = sursa.m_culoareUmbrela2;
        m_stiluri = sursa.m_stiluri;
        m_width = sursa.m_width;
        OnGetText = sursa.OnGetText;
        OnApeleazaEditor = sursa.OnApeleazaEditor;
    };
    if (m_colectie)
        m_colectie->Schimba(copiaza);
    else
        copiaza();
}

int TBrvVirtualGridColumn::Index() const
{
    return m_colectie ? m_colectie->IndexOf(this) : -1;
}

QString TBrvVirtualGridColumn::DisplayName() const
{
    if (m_numeColoana.isEmpty())
        return QStringLiteral("<fara nume>");
    return QStringLiteral("[%1] %2").arg(Index()).arg(m_numeColoana);
}

size_t TBrvVirtualGridColumn::PozitieStil(int numar)
{
    if (numar < 1 || numar > 10)
        throw EEroare(QStringLiteral("Sunt definite stiluri de la 1 la 10"));
    return static_cast<size_t>(numar - 1);
}

const TBrvCuloriColoana& TBrvVirtualGridColumn::Stil(int numar) const
{
    return m_stiluri[PozitieStil(numar)];
}

void TBrvVirtualGridColumn::SetStil(int numar, const TBrvCuloriColoana& stil)
{
    Seteaza(m_stiluri[PozitieStil(numar)], stil);
}

const TBrvCuloriColoana& TBrvVirtualGridColumn::StilFolosit(int numar) const
{
    for (int n = numar; n >= 2; --n)
        if (Stil(n).Activ)
            return Stil(n);
    return m_stiluri[0];
}

TBrvVirtualGridColumns::TBrvVirtualGridColumns(TBrvContorActualizare& contor, std::function<void()> laSchimbare)
    : m_contor(contor), m_laSchimbare(std::move(laSchimbare))
{
}

TBrvVirtualGridColumn& TBrvVirtualGridColumns::Add()
{
    Schimba([&] { m_coloane.push_back(std::make_unique<TBrvVirtualGridColumn>(this)); });
    return *m_coloane.back();
}

void TBrvVirtualGridColumns::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    Schimba([&] { m_coloane.erase(m_coloane.begin() + index); });
}

void TBrvVirtualGridColumns::Clear()
{
    Schimba([&] { m_coloane.clear(); });
}

int TBrvVirtualGridColumns::IndexOf(const TBrvVirtualGridColumn* coloana) const
{
    for (size_t i = 0; i < m_coloane.size(); ++i)
        if (m_coloane[i].get() == coloana)
            return static_cast<int>(i);
    return -1;
}
