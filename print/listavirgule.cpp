#include "print/listavirgule.h"

namespace {

const QChar Ghilimea = QLatin1Char('"');
const QChar Virgula = QLatin1Char(',');

// A NUL (a damaged settings file) separates items like any other control character: a
// character that neither ends an item nor is skipped would stop the reader in its place.
bool EsteBlanc(QChar c)
{
    return c.unicode() <= ' ';
}

bool TrebuieCitat(const QString& element)
{
    for (const QChar c : element)
        if (EsteBlanc(c) || c == Ghilimea || c == Virgula)
            return true;
    return false;
}

QString Citat(const QString& element)
{
    QString dublat = element;
    dublat.replace(Ghilimea, QStringLiteral("\"\""));
    return Ghilimea + dublat + Ghilimea;
}

// The quoted item starting at poz; a missing closing quote ends it at the end of the text.
QString ExtrageCitat(const QString& text, int& poz)
{
    QString element;
    for (++poz; poz < text.size(); ++poz) {
        if (text.at(poz) != Ghilimea) {
            element += text.at(poz);
            continue;
        }
        if (poz + 1 < text.size() && text.at(poz + 1) == Ghilimea) {
            element += Ghilimea;
            ++poz;
            continue;
        }
        ++poz;
        break;
    }
    return element;
}

QString ExtrageSimplu(const QString& text, int& poz)
{
    const int inceput = poz;
    while (poz < text.size() && !EsteBlanc(text.at(poz)) && text.at(poz) != Virgula)
        ++poz;
    return text.mid(inceput, poz - inceput);
}

void SariBlancuri(const QString& text, int& poz)
{
    while (poz < text.size() && EsteBlanc(text.at(poz)))
        ++poz;
}

} // namespace

QString ScrieListaVirgule(const QStringList& elemente)
{
    QStringList scrise;
    for (const QString& element : elemente)
        scrise << (TrebuieCitat(element) ? Citat(element) : element);
    return scrise.join(Virgula);
}

QStringList CitesteListaVirgule(const QString& text)
{
    QStringList elemente;
    int poz = 0;
    SariBlancuri(text, poz);
    while (poz < text.size()) {
        elemente << (text.at(poz) == Ghilimea ? ExtrageCitat(text, poz) : ExtrageSimplu(text, poz));
        SariBlancuri(text, poz);
        if (poz < text.size() && text.at(poz) == Virgula) {
            if (poz + 1 == text.size())
                elemente << QString();
            ++poz;
            SariBlancuri(text, poz);
        }
    }
    return elemente;
}
