#include "widgets/umbre.h"

#include <QPainter>

QColor AmestecaCulori(const QColor& de, const QColor& spre, int pas, int pasi)
{
    auto canal = [&](int a, int b) { return a + (b - a) * pas / pasi; };
    return QColor(canal(de.red(), spre.red()), canal(de.green(), spre.green()), canal(de.blue(), spre.blue()));
}

void DeseneazaUmbraDreapta(QPainter& painter, const QRect& celula, const QColor& fundal, const QColor& linie)
{
    for (int pas = 1; pas <= LatimeUmbra; ++pas) {
        const int x = celula.right() - LatimeUmbra + pas;
        painter.setPen(AmestecaCulori(fundal, linie, pas, LatimeUmbra));
        painter.drawLine(x, celula.top(), x, celula.bottom());
    }
}

void DeseneazaUmbraJos(QPainter& painter, const QRect& zona, const QColor& fundal, const QColor& linie)
{
    for (int pas = 1; pas <= LatimeUmbra; ++pas) {
        const int y = zona.bottom() - LatimeUmbra + pas;
        painter.setPen(AmestecaCulori(fundal, linie, pas, LatimeUmbra));
        painter.drawLine(zona.left(), y, zona.right(), y);
    }
}
