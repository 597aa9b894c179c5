#pragma once

#include <QHeaderView>

class TBrvVirtualGrid;
class TBrvVirtualGridColumn;

// The heading row: group headings in one or two bands over runs of adjacent columns, then
// each column's word-wrapped heading, then a shade under the non-fixed columns.
class TBrvVirtualGridHeader : public QHeaderView {
    Q_OBJECT
public:
    TBrvVirtualGridHeader(TBrvVirtualGrid& grila, QWidget* parent);

    // The band of a group heading (level 1 or 2) over the run that holds the column, in this
    // header's coordinates and over the columns it shows; empty when the column has none.
    QRect DreptunghiGrup(int coloana, int nivel) const;
    // The heading text of a column set into lines that fit a width.
    static QStringList LiniiTitlu(const QString& titlu, const QFontMetrics& masura, int latime);
    // The heading font: the column's first style, 2 points smaller, never below 8.
    static QFont FontTitlu(const TBrvVirtualGridColumn& coloana);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    // Height of the group bands above a column's own heading.
    int InaltimeBenzi(const TBrvVirtualGridColumn& coloana) const;
    QString TextGrup(const TBrvVirtualGridColumn& coloana, int nivel) const;
    bool AcelasiGrup(int a, int b, int nivel) const;
    void DeseneazaGrup(QPainter* painter, const QRect& celula, int coloana, int nivel, int sus) const;
    void DeseneazaTitlu(QPainter* painter, const QRect& spatiu, const TBrvVirtualGridColumn& coloana) const;
    void DeseneazaUmbra(QPainter* painter, const QRect& celula, int coloana) const;

    TBrvVirtualGrid& m_grila;
};
