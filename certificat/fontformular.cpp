#include "certificat/fontformular.h"

TFontFormular::TFontFormular(QObject* formular) : QObject(formular) {}

TFontFormular::~TFontFormular()
{
    // The areas outlive their font only when the form is torn down in pieces.
    const QList<TUtilizatorFont*> arii = m_arii;
    for (TUtilizatorFont* area : arii)
        area->FontDetached();
}

template <typename T>
void TFontFormular::Schimba(T& camp, const T& valoare)
{
    camp = valoare;
    AnuntaSchimbarea();
}

void TFontFormular::SetFontName(const QString& nume) { Schimba(m_fontName, nume); }
void TFontFormular::SetCodePage(int codePage) { Schimba(m_codePage, codePage); }
void TFontFormular::SetCharSet(int charSet) { Schimba(m_charSet, charSet); }
void TFontFormular::SetSize(double mm) { Schimba(m_size, mm); }
void TFontFormular::SetBold(bool bold) { Schimba(m_bold, bold); }
void TFontFormular::SetItalic(bool italic) { Schimba(m_italic, italic); }

void TFontFormular::AttachArea(TUtilizatorFont* area)
{
    if (!m_arii.contains(area))
        m_arii.append(area);
}

void TFontFormular::DetachArea(TUtilizatorFont* area)
{
    m_arii.removeAll(area);
}

void TFontFormular::AnuntaSchimbarea()
{
    for (TUtilizatorFont* area : m_arii)
        area->FontChanged();
}
