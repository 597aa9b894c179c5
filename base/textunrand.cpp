#include "base/textunrand.h"

#include <QTextBoundaryFinder>

bool EsteCaracterDeControl(QChar c)
{
    const QChar::Category categorie = c.category();
    return categorie == QChar::Other_Control || categorie == QChar::Separator_Line
        || categorie == QChar::Separator_Paragraph;
}

QString FaraCaractereDeControl(QString text)
{
    for (QChar& c : text)
        if (EsteCaracterDeControl(c))
            c = QLatin1Char(' ');
    return text;
}

int NumarCaractere(const QString& text)
{
    int numar = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        ++numar;
    }
    return numar;
}

QString TaieLaCaractere(const QString& text, int maxim)
{
    if (NumarCaractere(text) <= maxim)
        return text;
    QTextBoundaryFinder limite(QTextBoundaryFinder::Grapheme, text);
    qsizetype taietura = 0;
    int caractere = 0;
    for (qsizetype pozitie = limite.toNextBoundary(); pozitie > 0; pozitie = limite.toNextBoundary()) {
        caractere += NumarCaractere(text.mid(taietura, pozitie - taietura));
        if (caractere > maxim)
            break;
        taietura = pozitie;
    }
    return text.left(taietura);
}

QString EscapeazaPeUnRand(const QString& text)
{
    QString rezultat;
    rezultat.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            rezultat += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            rezultat += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            rezultat += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            rezultat += QStringLiteral("\\t");
        else if (EsteCaracterDeControl(c))
            rezultat += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            rezultat += c;
    }
    return rezultat;
}
