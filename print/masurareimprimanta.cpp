#include "print/masurareimprimanta.h"

#include "base/eroare.h"
#include "certificat/desenarepagina.h"
#include "certificat/foaiecalibrare.h"
#include "forms/imprimantaqt.h"
#include "print/allstuffreg.h"
#include "print/documenttiparit.h"
#include "print/margine.h"

#include <QStringList>

namespace {

QString NumeParte(TPaginaCertificat parte)
{
    return parte == TPaginaCertificat::Fata ? QStringLiteral("fata") : QStringLiteral("spate");
}

QString Numar(double valoare, int zecimale, bool cuSemn = false)
{
    const QString text = QString::number(valoare, 'f', zecimale).replace(u'.', u',');
    return cuSemn && valoare >= 0 ? QLatin1Char('+') + text : text;
}

QString TitluFoi(const QList<TFoaieDeCalibrare>& foi)
{
    return foi.size() == 1 ? TitluFoaieDeCalibrare(foi.front()) : QStringLiteral("Masurarea imprimantei");
}

} // namespace

QString TitluFoaieDeCalibrare(const TFoaieDeCalibrare& foaie)
{
    return (foaie.Verificare ? QStringLiteral("Verificarea imprimantei - ") : QStringLiteral("Masurarea imprimantei - "))
           + NumeParte(foaie.Parte);
}

void DeseneazaFoileDeCalibrare(TDocumentTiparit& document, const QList<TFoaieDeCalibrare>& foi)
{
    TImprimantaQt imprimanta(document.Imprimanta(), document.Pictor());
    for (qsizetype i = 0; i < foi.size(); ++i) {
        if (i > 0)
            document.Imprimanta().newPage();
        const TFoaieDeCalibrare& foaie = foi.at(i);
        DeseneazaFoaiaDeCalibrare(imprimanta, foaie.Parte, foaie.Verificare, {foaie.Corectie, foaie.Oglinda, nullptr});
    }
}

void ScrieFoileDeCalibrareInPdf(const QString& fisier, TPaginiCertificat pagini, bool verificare)
{
    QList<TFoaieDeCalibrare> foi;
    {
        const TAllStuffReg setari;
        for (const TPaginaCertificat parte : PaginileAlese(pagini))
            foi.append({parte, PaginaOglindita(parte, setari), verificare,
                        verificare ? setari.Corectie(parte) : TCorectiePagina()});
    }
    const std::unique_ptr<TDocumentTiparit> document = TDocumentTiparit::InPdf(fisier, TitluFoi(foi), false);
    DeseneazaFoileDeCalibrare(*document, foi);
    document->Incheie();
}

bool TiparesteFoaiaDeCalibrare(const TFoaieDeCalibrare& foaie)
{
    const std::unique_ptr<TDocumentTiparit> document = TDocumentTiparit::Incepe(TitluFoaieDeCalibrare(foaie), false);
    if (!document)
        return false;
    DeseneazaFoileDeCalibrare(*document, {foaie});
    document->Incheie();
    return true;
}

TCitiriCalibrare CitiriDinText(const QString& text)
{
    const QStringList parti = text.split(u',');
    if (parti.size() != 4)
        throw EEroare(QStringLiteral("Dati patru distante in milimetri, cu virgula intre ele: X1,Y1,X2,Y2 (de exemplu "
                                     "20.5,19.8,277.1,190.4)."));
    TCitiriCalibrare citiri{};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        citiri[i] = parti.at(i).trimmed().toDouble(&ok);
        if (!ok)
            throw EEroare(QStringLiteral("\"%1\" nu este o distanta in milimetri (folositi punctul zecimal).")
                              .arg(parti.at(i).trimmed().left(40)));
    }
    return citiri;
}

TMasuratoareImprimanta MasoaraImprimanta(const TCitiriCalibrare& citiri)
{
    return MasuratoareaFoii(citiri, MargineMaximaMm);
}

QString DescriereMasuratoare(const TMasuratoareImprimanta& m)
{
    return QStringLiteral("Scara: %1 % pe orizontala, %2 % pe verticala. Deplasare: %3 mm pe orizontala, %4 mm pe "
                          "verticala.")
        .arg(Numar(m.X.Scara * 100, 2), Numar(m.Y.Scara * 100, 2), Numar(m.X.DeplasareMm, 2, true),
             Numar(m.Y.DeplasareMm, 2, true));
}

TMasuratoareImprimanta CalibreazaPagina(TPaginaCertificat pagina, const TCitiriCalibrare& citiri)
{
    const TMasuratoareImprimanta masuratoare = MasoaraImprimanta(citiri);
    TAllStuffReg setari;
    setari.SeteazaMasuratoarea(pagina, masuratoare);
    return masuratoare;
}
