#include "widgets/brvvirtualgridheader.h"

#include "widgets/brvvirtualgrid.h"
#include "widgets/umbre.h"

#include <QPainter>
#include <algorithm>

namespace {

// The heading text keeps this much of the cell free.
constexpr int RezervaTitlu = 7;
constexpr int Margine = 2;

const TBrvFontColorat& FontGrup(const TBrvVirtualGridColumn& coloana, int nivel)
{
    return nivel == 1 ? coloana.FontUmbrela1() : coloana.FontUmbrela2();
}

} // namespace

TBrvVirtualGridHeader::TBrvVirtualGridHeader(TBrvVirtualGrid& grila, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), m_grila(grila)
{
    setSectionResizeMode(QHeaderView::Fixed);
    setMinimumSectionSize(0);
    setHighlightSections(false);
    setSectionsClickable(false);
}

QFont TBrvVirtualGridHeader::FontTitlu(const TBrvVirtualGridColumn& coloana)
{
    QFont font = coloana.Stil1().FontNormal.Font;
    font.setPointSize(std::max(8, font.pointSize() - 2));
    return font;
}

QStringList TBrvVirtualGridHeader::LiniiTitlu(const QString& titlu, const QFontMetrics& masura, int latime)
{
    QStringList linii;
    QString curenta;
    for (const QString& cuvant : titlu.split(u' ', Qt::SkipEmptyParts)) {
        const QString impreuna = curenta.isEmpty() ? cuvant : curenta + u' ' + cuvant;
        if (curenta.isEmpty() || masura.horizontalAdvance(impreuna) <= latime) {
            curenta = impreuna;
        } else {
            linii.append(curenta);
            curenta = cuvant;
        }
    }
    if (!curenta.isEmpty())
        linii.append(curenta);
    return linii;
}

QString TBrvVirtualGridHeader::TextGrup(const TBrvVirtualGridColumn& coloana, int nivel) const
{
    if (coloana.Umbrela1().isEmpty())
        return QString();
    return nivel == 1 ? coloana.Umbrela1() : coloana.Umbrela2();
}

bool TBrvVirtualGridHeader::AcelasiGrup(int a, int b, int nivel) const
{
    if (b < 0 || b >= m_grila.Coloane().Count() || isSectionHidden(b))
        return false;
    const TBrvVirtualGridColumn& ca = m_grila.Coloane()[a];
    const TBrvVirtualGridColumn& cb = m_grila.Coloane()[b];
    // A second-level group lies inside its first-level one.
    return ca.Umbrela1() == cb.Umbrela1() && (nivel == 1 || ca.Umbrela2() == cb.Umbrela2());
}

int TBrvVirtualGridHeader::InaltimeBenzi(const TBrvVirtualGridColumn& coloana) const
{
    int inaltime = 0;
    for (int nivel = 1; nivel <= 2; ++nivel)
        if (!TextGrup(coloana, nivel).isEmpty())
            inaltime += QFontMetrics(FontGrup(coloana, nivel).Font).height();
    return inaltime;
}

QRect TBrvVirtualGridHeader::DreptunghiGrup(int coloana, int nivel) const
{
    if (coloana < 0 || coloana >= m_grila.Coloane().Count())
        return QRect();
    const TBrvVirtualGridColumn& c = m_grila.Coloane()[coloana];
    if (TextGrup(c, nivel).isEmpty())
        return QRect();
    int prima = coloana;
    while (AcelasiGrup(coloana, prima - 1, nivel))
        --prima;
    int ultima = coloana;
    while (AcelasiGrup(coloana, ultima + 1, nivel))
        ++ultima;
    const int sus = nivel == 1 ? 0 : QFontMetrics(c.FontUmbrela1().Font).height();
    const int x = sectionViewportPosition(prima);
    const int dreapta = sectionViewportPosition(ultima) + sectionSize(ultima);
    return QRect(x, sus, dreapta - x, QFontMetrics(FontGrup(c, nivel).Font).height());
}

void TBrvVirtualGridHeader::DeseneazaGrup(QPainter* painter, const QRect& celula, int coloana, int nivel,
                                          int sus) const
{
    const TBrvVirtualGridColumn& c = m_grila.Coloane()[coloana];
    const QString text = TextGrup(c, nivel);
    if (text.isEmpty())
        return;
    const QRect banda = DreptunghiGrup(coloana, nivel);
    const QRect parteaMea(celula.left(), sus, celula.width(), banda.height());
    painter->save();
    painter->setClipRect(parteaMea);
    painter->fillRect(parteaMea, nivel == 1 && c.CuloareUmbrela1().isValid()   ? c.CuloareUmbrela1()
                                 : nivel == 2 && c.CuloareUmbrela2().isValid() ? c.CuloareUmbrela2()
                                                                               : c.CuloareHeader());
    const TBrvFontColorat& font = FontGrup(c, nivel);
    painter->setFont(font.Font);
    painter->setPen(font.Culoare);
    // "cod|Text" groups by the whole text and shows what follows the "|".
    const qsizetype bara = text.indexOf(u'|');
    painter->drawText(QRect(banda.left(), sus, banda.width(), banda.height()), Qt::AlignCenter,
                      bara < 0 ? text : text.mid(bara + 1));
    painter->setPen(m_grila.CuloareLinii(coloana));
    painter->drawLine(parteaMea.left(), sus, parteaMea.right(), sus);
    if (!AcelasiGrup(coloana, coloana + 1, nivel))
        painter->drawLine(parteaMea.right(), sus, parteaMea.right(), parteaMea.bottom());
    if (coloana == 0)
        painter->drawLine(parteaMea.left(), sus, parteaMea.left(), parteaMea.bottom());
    painter->restore();
}

void TBrvVirtualGridHeader::DeseneazaTitlu(QPainter* painter, const QRect& spatiu,
                                           const TBrvVirtualGridColumn& coloana) const
{
    const QFont font = FontTitlu(coloana);
    const QFontMetrics masura(font);
    const QStringList linii = LiniiTitlu(coloana.NumeColoana(), masura, spatiu.width() - RezervaTitlu);
    const int inaltime = static_cast<int>(linii.size()) * masura.height();
    int y = spatiu.top() + (spatiu.height() - inaltime) / 2;
    painter->setFont(font);
    painter->setPen(coloana.Stil1().FontNormal.Culoare);
    const QRect interior = spatiu.adjusted(Margine, 0, -Margine, 0);
    for (const QString& linie : linii) {
        painter->drawText(QRect(interior.left(), y, interior.width(), masura.height()),
                          AliniereQt(coloana.AliniereTextInHeader()) | Qt::AlignVCenter, linie);
        y += masura.height();
    }
}

void TBrvVirtualGridHeader::DeseneazaUmbra(QPainter* painter, const QRect& celula, int coloana) const
{
    const int fixe = m_grila.ColoaneFixe();
    const QColor fundal = m_grila.Coloane()[coloana].CuloareHeader();
    const QColor linie = m_grila.CuloareLinii(coloana);
    if (coloana >= fixe)
        DeseneazaUmbraJos(*painter, celula, fundal, linie);
    else if (coloana == fixe - 1)
        DeseneazaUmbraJos(*painter, QRect(celula.right() - LatimeUmbra + 1, celula.top(), LatimeUmbra, celula.height()),
                          fundal, linie);
}

void TBrvVirtualGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (logicalIndex < 0 || logicalIndex >= m_grila.Coloane().Count())
        return;
    const TBrvVirtualGridColumn& coloana = m_grila.Coloane()[logicalIndex];
    painter->save();
    painter->setClipRect(rect);
    painter->fillRect(rect, coloana.CuloareHeader());
    const int h1 = TextGrup(coloana, 1).isEmpty() ? 0 : QFontMetrics(coloana.FontUmbrela1().Font).height();
    DeseneazaGrup(painter, rect, logicalIndex, 1, rect.top());
    DeseneazaGrup(painter, rect, logicalIndex, 2, rect.top() + h1);
    const int benzi = InaltimeBenzi(coloana);
    const QRect sub(rect.left(), rect.top() + benzi, rect.width(), rect.height() - benzi);
    DeseneazaTitlu(painter, sub, coloana);
    painter->setPen(m_grila.CuloareLinii(logicalIndex));
    if (benzi == 0)
        painter->drawLine(rect.topLeft(), rect.topRight());
    painter->drawLine(sub.topRight(), sub.bottomRight());
    DeseneazaUmbra(painter, rect, logicalIndex);
    painter->restore();
}
