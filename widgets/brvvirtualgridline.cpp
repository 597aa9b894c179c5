#include "widgets/brvvirtualgridline.h"

#include "base/eroare.h"

void TBrvVirtualGridLine::SetStil(int stil)
{
    if (stil < 1 || stil > 10)
        throw EEroare(QStringLiteral("Stil trebuie sa fie de la 1 la 10"));
    m_stil = stil;
}

TBrvVirtualGridLine* TBrvVirtualGridList::Add(std::unique_ptr<TBrvVirtualGridLine> linie)
{
    TBrvVirtualGridLine* adaugata = linie.get();
    if (!adaugata)
        return nullptr;
    m_contor.Schimba([&] { m_linii.push_back(std::move(linie)); });
    return adaugata;
}

void TBrvVirtualGridList::Clear()
{
    m_contor.Schimba([&] { m_linii.clear(); });
}

TBrvVirtualGridLine* TBrvVirtualGridList::Linie(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return m_linii[static_cast<size_t>(index)].get();
}
