#pragma once

#include "widgets/brvculoricoloana.h"
#include "widgets/brvvaloaredate.h"
#include "widgets/contoractualizare.h"

#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class TBrvVirtualGridLine;
class TBrvVirtualGridColumns;

using TBrvCitesteText = std::function<void(TBrvVirtualGridLine* Obj, QString& CellText)>;
using TBrvApeleazaEditor = std::function<void(TBrvVirtualGridLine* Obj, bool& FolosesteEditorStandard)>;

// One typed column: its heading, group headings, ten styles and width. Every change is
// bracketed by the grid's update counter, so the grid lays itself out again.
class TBrvVirtualGridColumn {
public:
    explicit TBrvVirtualGridColumn(TBrvVirtualGridColumns* colectie = nullptr);
    // A column belongs to one collection; Assign copies its properties.
    TBrvVirtualGridColumn(const TBrvVirtualGridColumn&) = delete;
    TBrvVirtualGridColumn& operator=(const TBrvVirtualGridColumn&) = delete;

    // Copies every property but AllowMultiLineGridPrint.
    void Assign(const TBrvVirtualGridColumn& sursa);

    int Index() const;
    // "[index] heading", or "<fara nume>" for a column without a heading.
    QString DisplayName() const;

    TBrvTipDeDateColoana TipDeDate() const { return m_tipDeDate; }
    void SetTipDeDate(TBrvTipDeDateColoana tip) { Seteaza(m_tipDeDate, tip); }
    const QString& NumeColoana() const { return m_numeColoana; }
    void SetNumeColoana(const QString& nume) { Seteaza(m_numeColoana, nume); }
    const QString& Umbrela1() const { return m_umbrela1; }
    void SetUmbrela1(const QString& text) { Seteaza(m_umbrela1, text); }
    const QString& Umbrela2() const { return m_umbrela2; }
    void SetUmbrela2(const QString& text) { Seteaza(m_umbrela2, text); }
    const QColor& CuloareHeader() const { return m_culoareHeader; }
    void SetCuloareHeader(const QColor& culoare) { Seteaza(m_culoareHeader, culoare); }
    TBrvAliniere AliniereTextInHeader() const { return m_aliniereTextInHeader; }
    void SetAliniereTextInHeader(TBrvAliniere aliniere) { Seteaza(m_aliniereTextInHeader, aliniere); }
    const TBrvFontColorat& FontUmbrela1() const { return m_fontUmbrela1; }
    void SetFontUmbrela1(const TBrvFontColorat& font) { Seteaza(m_fontUmbrela1, font); }
    const TBrvFontColorat& FontUmbrela2() const { return m_fontUmbrela2; }
    void SetFontUmbrela2(const TBrvFontColorat& font) { Seteaza(m_fontUmbrela2, font); }
    // Invalid: the heading cell's background.
    const QColor& CuloareUmbrela1() const { return m_culoareUmbrela1; }
    void SetCuloareUmbrela1(const QColor& culoare) { Seteaza(m_culoareUmbrela1, culoare); }
    const QColor& CuloareUmbrela2() const { return m_culoareUmbrela2; }
    void SetCuloareUmbrela2(const QColor& culoare) { Seteaza(m_culoareUmbrela2, culoare); }
    int Width() const { return m_width; }
    void SetWidth(int latime) { Seteaza(m_width, latime); }
    bool AllowMultiLineGridPrint() const { return m_allowMultiLineGridPrint; }
    void SetAllowMultiLineGridPrint(bool da) { m_allowMultiLineGridPrint = da; }

    // Styles 1 to 10; any other number fails with "Sunt definite stiluri de la 1 la 10".
    const TBrvCuloriColoana& Stil(int numar) const;
    void SetStil(int numar, const TBrvCuloriColoana& stil);
    const TBrvCuloriColoana& Stil1() const { return m_stiluri[0]; }
    // The style a line with this style number is drawn with: the first active one going
    // down from the number to 2, else Stil1.
    const TBrvCuloriColoana& StilFolosit(int numar) const;

    TBrvCitesteText OnGetText;
    TBrvApeleazaEditor OnApeleazaEditor;

private:
    template <typename T>
    void Seteaza(T& camp, const T& valoare);
    static size_t PozitieStil(int numar);

    TBrvVirtualGridColumns* m_colectie;
    TBrvTipDeDateColoana m_tipDeDate = atString;
    QString m_numeColoana;
    QString m_umbrela1;
    QString m_umbrela2;
    QColor m_culoareHeader{243, 250, 220};
    TBrvAliniere m_aliniereTextInHeader = TBrvAliniere::Centru;
    TBrvFontColorat m_fontUmbrela1;
    TBrvFontColorat m_fontUmbrela2;
    QColor m_culoareUmbrela1;
    QColor m_culoareUmbrela2;
    std::array<TBrvCuloriColoana, 10> m_stiluri;
    int m_width = 128;
    bool m_allowMultiLineGridPrint = false;
};

// The grid's columns, in display order.
class TBrvVirtualGridColumns {
public:
    // laSchimbare is told after every change (the grid posts itself a relayout).
    TBrvVirtualGridColumns(TBrvContorActualizare& contor, std::function<void()> laSchimbare);

    TBrvVirtualGridColumn& Add();
    void Delete(int index);
    void Clear();
    int Count() const { return static_cast<int>(m_coloane.size()); }
    TBrvVirtualGridColumn& operator[](int index) const { return *m_coloane.at(static_cast<size_t>(index)); }
    int IndexOf(const TBrvVirtualGridColumn* coloana) const;

    // Runs a change of one column inside the update bracket.
    template <typename Schimbare>
    void Schimba(Schimbare&& schimbare)
    {
        m_contor.Schimba(std::forward<Schimbare>(schimbare));
        if (m_laSchimbare)
            m_laSchimbare();
    }

private:
    TBrvContorActualizare& m_contor;
    std::function<void()> m_laSchimbare;
    std::vector<std::unique_ptr<TBrvVirtualGridColumn>> m_coloane;
};

template <typename T>
void TBrvVirtualGridColumn::Seteaza(T& camp, const T& valoare)
{
    if (m_colectie)
        m_colectie->Schimba([&] { camp = valoare; });
    else
        camp = valoare;
}
