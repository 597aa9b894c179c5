#include "import/comenziregistru.h"

#include "registre/coloaneexcel.h"
#include "registre/registru.h"

#include <QTextStream>

namespace {

QString PeUnRand(QString text)
{
    for (QChar& c : text)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return text;
}

} // namespace

void ListeazaFoile(const QString& cale, QTextStream& iesire)
{
    for (const QString& nume : DeschideRegistru(cale)->Foi())
        iesire << PeUnRand(nume) << '\n';
}

void AfiseazaFoaia(const QString& cale, const QString& foaie, QTextStream& iesire)
{
    const std::unique_ptr<TRegistru> registru = DeschideRegistru(cale);
    const QString nume = foaie.isEmpty() ? registru->Foi().value(0) : foaie;
    TListaColoaneExcel coloane;
    CitesteFoaia(registru->Foaie(nume), coloane);
    QStringList litere;
    for (const TColoanaExcel& c : coloane.Coloane())
        litere << c.Litera();
    iesire << litere.join(u'\t') << '\n';
    for (int rand = 0; rand < coloane.NumarRanduri(); ++rand) {
        QStringList texte;
        for (const TColoanaExcel& c : coloane.Coloane())
            texte << PeUnRand(c.Text(rand));
        iesire << texte.join(u'\t') << '\n';
    }
}
