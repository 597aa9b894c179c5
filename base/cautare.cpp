#include "base/cautare.h"

QString FormaDeCautare(const QString& text)
{
    const QString descompus = text.normalized(QString::NormalizationForm_D);
    QString forma;
    forma.reserve(descompus.size());
    for (const QChar c : descompus)
        if (c.category() != QChar::Mark_NonSpacing)
            forma.append(c);
    return forma.toCaseFolded();
}

bool ContineCautarea(const QString& text, const QString& cautat)
{
    return FormaDeCautare(text).contains(FormaDeCautare(cautat));
}
