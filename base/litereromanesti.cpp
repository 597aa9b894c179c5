#include "base/litereromanesti.h"

namespace {

QChar LiteraMarcata(QChar marcaj)
{
    switch (marcaj.unicode()) {
    case u'@': return u'@';
    case u'A': return QChar(0x0102);
    case u'H': return QChar(0x00C2);
    case u'I': return QChar(0x00CE);
    case u'S': return QChar(0x015E);
    case u'T': return QChar(0x0162);
    case u'a': return QChar(0x0103);
    case u'h': return QChar(0x00E2);
    case u'i': return QChar(0x00EE);
    case u's': return QChar(0x015F);
    case u't': return QChar(0x0163);
    default: return QChar();
    }
}

// The Romanian letters whose case the conversions change, as marker pairs (capital, small).
const char* const PerechiRomanesti[][2] = {{"@S", "@s"}, {"@T", "@t"}, {"@A", "@a"}};

QString SchimbaLitere(const QString& text, bool spreMari)
{
    QString rezultat = text;
    for (QChar& c : rezultat) {
        const char16_t u = c.unicode();
        if (spreMari && u >= u'a' && u <= u'z')
            c = QChar(u - u'a' + u'A');
        else if (!spreMari && u >= u'A' && u <= u'Z')
            c = QChar(u - u'A' + u'a');
    }
    for (const auto& pereche : PerechiRomanesti) {
        const QString mare = DecodeazaDiacritice(QString::fromLatin1(pereche[0]));
        const QString mica = DecodeazaDiacritice(QString::fromLatin1(pereche[1]));
        rezultat.replace(spreMari ? mica : mare, spreMari ? mare : mica);
    }
    return rezultat;
}

} // namespace

QString DecodeazaDiacritice(const QString& text)
{
    QString rezultat;
    rezultat.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'@') {
            rezultat += text[i];
            continue;
        }
        if (++i == text.size())
            break;
        const QChar litera = LiteraMarcata(text[i]);
        if (!litera.isNull())
            rezultat += litera;
    }
    return rezultat;
}

QString LitereMici(const QString& text)
{
    return SchimbaLitere(text, false);
}

QString LitereMari(const QString& text)
{
    return SchimbaLitere(text, true);
}
