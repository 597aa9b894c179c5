#include "app/comenzi.h"

#include "base/comenzilinie.h"
#include "base/eroare.h"
#include "base/semnale.h"
#include "base/textunrand.h"
#include "base/versiune.h"
#include "db/copiibaza.h"
#include "db/depozit.h"
#include "db/pornirefaraferestre.h"
#include "import/comandaimport.h"
#include "import/comenziregistru.h"
#include "profile/inregistrare.h"
#include "print/iesirepdf.h"
#include "print/masurareimprimanta.h"
#include "print/tiparirepdf.h"
#include "print/verificareelevi.h"

#include <QTextStream>

namespace {

const QCommandLineOption InitializeazaBaza(
    QStringLiteral("init-db"), QStringLiteral("Aduce la zi baza de date din dosarul de date, afiseaza calea ei si iese."));

const QCommandLineOption ListeazaElevii(QStringLiteral("list-pupils"),
                                        QStringLiteral("Afiseaza liniile listei de elevi, cate una pe rand, si iese."));
const QCommandLineOption Filtru(QStringLiteral("filter"),
                                QStringLiteral("Afiseaza doar liniile care contin textul (ca la \"Cauta:\")."),
                                QStringLiteral("TEXT"));

const QCommandLineOption TiparesteInPdf(QStringLiteral("print-pdf"),
                                        QStringLiteral("Tipareste certificatele elevilor in fisierul PDF dat si iese."),
                                        QStringLiteral("FILE"));
const QCommandLineOption Elev(QStringLiteral("pupil"),
                              QStringLiteral("Numarul elevului (ID_ELEVI) sau numerele mai multor elevi, cu virgula."),
                              QStringLiteral("ID[,ID...]"));
const QCommandLineOption TotiElevii(QStringLiteral("all"), QStringLiteral("Toti elevii, in ordinea listei."));
const QCommandLineOption Proba(QStringLiteral("proof"),
                               QStringLiteral("Proba pe hartie simpla: sub text se tipareste si imaginea cartonului."));

const QCommandLineOption VerificareElevi(
    QStringLiteral("check-pupils"),
    QStringLiteral("Verifica datele elevilor pentru certificat, afiseaza cate o linie pentru fiecare problema si iese "
                   "(cu codul 1 cand exista probleme)."));
const QCommandLineOption Pagina(QStringLiteral("page"), QStringLiteral("Pagina: fata, spate sau ambele."),
                                QStringLiteral("fata|spate|ambele"), QStringLiteral("ambele"));

const QCommandLineOption Restaureaza(
    QStringLiteral("restore"),
    QStringLiteral("Pune inapoi ca baza de date o copie (de exemplu din DB/copii), dupa ce muta deoparte baza "
                   "curenta, si iese."),
    QStringLiteral("FILE"));

int RestaureazaBazaDeDate(const QCommandLineParser& parser)
{
    const QString deoparte = RestaureazaCopia(parser.value(Restaureaza));
    QTextStream iesire(stdout);
    if (!deoparte.isEmpty())
        iesire << QStringLiteral("Baza de date anterioara a fost mutata in %1").arg(deoparte) << Qt::endl;
    iesire << QStringLiteral("Copia %1 este acum baza de date %2").arg(parser.value(Restaureaza), CaleBazaDeDateProfil())
           << Qt::endl;
    return 0;
}

const QCommandLineOption ListeazaFoile_(QStringLiteral("list-sheets"),
                                        QStringLiteral("Afiseaza foile de calcul ale registrului dat, cate una pe rand, si iese."),
                                        QStringLiteral("FILE"));
const QCommandLineOption CitesteFoaia_(QStringLiteral("read-sheet"),
                                       QStringLiteral("Afiseaza randurile cu CNP ale unei foi de calcul, separate prin tab, si iese."),
                                       QStringLiteral("FILE"));
const QCommandLineOption Foaia(QStringLiteral("sheet"), QStringLiteral("Foaia de calcul (implicit prima)."),
                               QStringLiteral("NAME"));

const QCommandLineOption Importa_(
    QStringLiteral("import"),
    QStringLiteral("Preia elevii dintr-o foaie de calcul (ca \"Import din Excel\"), afiseaza cati sunt noi si cati "
                   "actualizati si iese."),
    QStringLiteral("FILE"));
const QCommandLineOption ColoanaCnp(QStringLiteral("cnp-column"),
                                    QStringLiteral("Coloana foii cu CNP-ul elevilor (de exemplu C)."),
                                    QStringLiteral("LETTERS"));
const QCommandLineOption Formulare(QStringLiteral("forms"),
                                   QStringLiteral("Formularele pentru care se preiau date, cu virgula (implicit toate)."),
                                   QStringLiteral("PV[,XX]"));
const QCommandLineOption Camp(
    QStringLiteral("field"),
    QStringLiteral("Un camp preluat: ID=coloana:B, ID=constanta:TEXT, ID=cnp:TEXT_FETE/TEXT_BAIETI, ID=prima:B sau "
                   "ID=adoua:B (se repeta; un camp nenumit nu se preia)."),
    QStringLiteral("ID=MODE"));

int ImportaDinFoaie(const QCommandLineParser& parser)
{
    TComandaImport comanda;
    comanda.Fisier = parser.value(Importa_);
    comanda.Foaie = parser.value(Foaia);
    comanda.ColoanaCnp = parser.value(ColoanaCnp);
    if (parser.isSet(Formulare))
        for (const QString& formular : parser.value(Formulare).split(u',', Qt::SkipEmptyParts))
            comanda.Formulare << formular.trimmed();
    comanda.Campuri = parser.values(Camp);
    QTextStream iesire(stdout);
    return RuleazaImportul(comanda, iesire) ? 0 : CodIesireLaOprire();
}

const QCommandLineOption Versiune(QStringLiteral("version"), QStringLiteral("Afiseaza numele si versiunea programului."));

int AfiseazaVersiunea(const QCommandLineParser&)
{
    QTextStream(stdout) << NumeSiVersiuneProgram() << Qt::endl;
    return 0;
}

int InitializeazaBazaDeDate(const QCommandLineParser&)
{
    const std::unique_ptr<TDM> dm = PornesteModululDeDateFaraFerestre();
    QTextStream(stdout) << dm->CaleBazaDeDate() << Qt::endl;
    return 0;
}

int ListeazaLiniile(const QCommandLineParser& parser)
{
    const std::unique_ptr<TDM> dm = PornesteModululDeDateFaraFerestre();
    const TLiniiAfisate linii = CitesteLiniiAfisate(QStringLiteral("ELEVI"), ProfilCerut().ListaCampuriElev());
    const TLiniiAfisate filtrate = LiniiFiltrate(linii, parser.value(Filtru));
    QTextStream iesire(stdout);
    for (const TLinieAfisata& linie : filtrate)
        iesire << EscapeazaPeUnRand(linie.Denumire) << '\n';
    if (filtrate.empty() && !linii.empty())
        QTextStream(stderr) << QStringLiteral("Niciun elev nu se potriveste cautarii \"%1\".")
                                   .arg(EscapeazaPeUnRand(parser.value(Filtru)))
                            << Qt::endl;
    return 0;
}

QList<int> IdElevi(const QString& lista)
{
    QList<int> elevi;
    for (const QString& parte : lista.split(u',')) {
        bool ok = false;
        const int id = parte.trimmed().toInt(&ok);
        if (!ok)
            throw EEroare(QStringLiteral("--pupil trebuie sa fie numarul unui elev, nu \"%1\".").arg(parte));
        elevi.append(id);
    }
    return elevi;
}

// Every pupil in the order the pupil list shows them.
QList<int> TotiEleviiDinLista()
{
    QList<int> elevi;
    for (const TLinieAfisata& linie : CitesteLiniiAfisate(QStringLiteral("ELEVI"), ProfilCerut().ListaCampuriElev()))
        elevi.append(linie.Id);
    if (elevi.isEmpty())
        throw EEroare(QStringLiteral("Nu exista niciun elev."));
    return elevi;
}

TPaginiCertificat Pagini(const QCommandLineParser& parser)
{
    const QString pagina = parser.value(Pagina);
    if (const std::optional<TPaginiCertificat> pagini = PaginiDinText(pagina))
        return *pagini;
    throw EEroare(QStringLiteral("--page trebuie sa fie fata, spate sau ambele, nu \"%1\".").arg(pagina));
}

int TiparesteCertificatul(const QCommandLineParser& parser)
{
    const bool toti = parser.isSet(TotiElevii);
    if (toti == parser.isSet(Elev))
        throw EEroare(QStringLiteral("--print-pdf cere fie --pupil ID[,ID...], fie --all."));
    const QList<int> alesi = toti ? QList<int>() : IdElevi(parser.value(Elev));
    const TPaginiCertificat pagini = Pagini(parser);
    // Refused before the database is even opened.
    VerificaTintaPdf(parser.value(TiparesteInPdf));
    const std::unique_ptr<TDM> dm = PornesteModululDeDateFaraFerestre();
    TiparesteCertificateInPdf(parser.value(TiparesteInPdf), toti ? TotiEleviiDinLista() : alesi, pagini,
                              parser.isSet(Proba));
    return 0;
}

const QCommandLineOption FoaieCalibrare(
    QStringLiteral("calibration-sheet"),
    QStringLiteral("Scrie in fisierul PDF dat foaia de masurare a imprimantei (cu --page: fata, spate sau ambele; "
                   "spatele asa cum se tipareste, in oglinda cand e cazul) si iese."),
    QStringLiteral("FILE"));
const QCommandLineOption Verificare(
    QStringLiteral("verify"),
    QStringLiteral("Cu --calibration-sheet: foaia de verificare, tiparita cu corectura masurata a imprimantei."));
const QCommandLineOption Calibreaza(
    QStringLiteral("calibrate"),
    QStringLiteral("Calculeaza din --measured scara si deplasarea imprimantei pentru pagina data, le pastreaza in "
                   "setarile de tiparire, le afiseaza si iese."),
    QStringLiteral("fata|spate"));
const QCommandLineOption Masurat(
    QStringLiteral("measured"),
    QStringLiteral("Distantele citite pe foaia de masurare, in milimetri, de la marginea din stanga (X) si de sus (Y) "
                   "a foii pana la centrul crucilor A si B."),
    QStringLiteral("X1,Y1,X2,Y2"));

int ScrieFoaiaDeCalibrare(const QCommandLineParser& parser)
{
    VerificaTintaPdf(parser.value(FoaieCalibrare));
    ScrieFoileDeCalibrareInPdf(parser.value(FoaieCalibrare), Pagini(parser), parser.isSet(Verificare));
    return 0;
}

int CalibreazaImprimanta(const QCommandLineParser& parser)
{
    const QString text = parser.value(Calibreaza);
    const std::optional<TPaginiCertificat> pagini = PaginiDinText(text);
    if (!pagini || *pagini == TPaginiCertificat::Ambele)
        throw EEroare(QStringLiteral("--calibrate trebuie sa fie fata sau spate, nu \"%1\".").arg(text));
    if (!parser.isSet(Masurat))
        throw EEroare(QStringLiteral("--calibrate cere --measured X1,Y1,X2,Y2."));
    const TPaginaCertificat pagina = PaginileAlese(*pagini).front();
    const TMasuratoareImprimanta masuratoare = CalibreazaPagina(pagina, CitiriDinText(parser.value(Masurat)));
    QTextStream(stdout) << DescriereMasuratoare(masuratoare) << Qt::endl;
    return 0;
}

int ListeazaFoileRegistrului(const QCommandLineParser& parser)
{
    QTextStream iesire(stdout);
    ListeazaFoile(parser.value(ListeazaFoile_), iesire);
    return 0;
}

int AfiseazaFoaiaRegistrului(const QCommandLineParser& parser)
{
    QTextStream iesire(stdout);
    AfiseazaFoaia(parser.value(CitesteFoaia_), parser.value(Foaia), iesire);
    return 0;
}

int VerificaDateleElevilor(const QCommandLineParser&)
{
    const std::unique_ptr<TDM> dm = PornesteModululDeDateFaraFerestre();
    QTextStream iesire(stdout);
    return ScrieConstatarileElevilor(iesire) > 0 ? 1 : 0;
}

// Every mode runs through the console wrapper: a failure on standard error, exit code 2.
void Inregistreaza(QList<QCommandLineOption> optiuni, int (*mod)(const QCommandLineParser&))
{
    InregistreazaComanda({std::move(optiuni), [mod](const QCommandLineParser& parser) {
                              return RuleazaInConsola([&] { return mod(parser); });
                          }});
}

} // namespace

void InregistreazaComenzile()
{
    Inregistreaza({Versiune}, AfiseazaVersiunea);
    Inregistreaza({InitializeazaBaza}, InitializeazaBazaDeDate);
    Inregistreaza({ListeazaElevii, Filtru}, ListeazaLiniile);
    Inregistreaza({TiparesteInPdf, Elev, TotiElevii, Pagina, Proba}, TiparesteCertificatul);
    Inregistreaza({VerificareElevi}, VerificaDateleElevilor);
    // --page comes with --print-pdf.
    Inregistreaza({FoaieCalibrare, Verificare}, ScrieFoaiaDeCalibrare);
    Inregistreaza({Calibreaza, Masurat}, CalibreazaImprimanta);
    Inregistreaza({Restaureaza}, RestaureazaBazaDeDate);
    Inregistreaza({ListeazaFoile_}, ListeazaFoileRegistrului);
    Inregistreaza({CitesteFoaia_, Foaia}, AfiseazaFoaiaRegistrului);
    // --sheet comes with --read-sheet: an option is given to the parser once.
    Inregistreaza({Importa_, ColoanaCnp, Formulare, Camp}, ImportaDinFoaie);
}
