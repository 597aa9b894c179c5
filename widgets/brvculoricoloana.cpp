#include "widgets/brvculoricoloana.h"

#include <QApplication>
#include <QPalette>

QFont FontArial(int puncte)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(puncte);
    return font;
}

TBrvCuloriColoana::TBrvCuloriColoana()
{
    const QPalette paleta = QApplication::palette();
    CuloareBackgroundNormal = paleta.color(QPalette::Base);
    CuloareBackgroundSelectat = paleta.color(QPalette::Highlight);
    FontNormal = {FontArial(9), paleta.color(QPalette::Text)};
    FontSelectat = {FontArial(9), paleta.color(QPalette::HighlightedText)};
}

Qt::Alignment AliniereQt(TBrvAliniere aliniere)
{
    switch (aliniere) {
    case TBrvAliniere::Stanga:
        return Qt::AlignLeft;
    case TBrvAliniere::Dreapta:
        return Qt::AlignRight;
    default:
        return Qt::AlignHCenter;
    }
}
