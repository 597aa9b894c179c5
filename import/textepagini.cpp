#include "import/textepagini.h"

#include <QLabel>

QLabel* TextPagina(const QString& text)
{
    auto* eticheta = new QLabel(text);
    eticheta->setWordWrap(true);
    return eticheta;
}

QLabel* TitluPagina(const QString& text)
{
    QLabel* titlu = TextPagina(text);
    QFont font = titlu->font();
    font.setBold(true);
    titlu->setFont(font);
    return titlu;
}
