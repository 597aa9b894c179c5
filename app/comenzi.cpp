#include "app/comenzi.h"

#include "base/comenzilinie.h"
#include "base/eroare.h"
#include "base/semnale.h"
#include "base/textunrand.h"
#include "base/versiune.h"
#include "db/copiibaza.h"
#include "db/depozit.h"
#include "db/registrucertificate.h"
#include "db/tdm.h"
#include "db/pornirefaraferestre.h"
#include "import/comandaimport.h"
#include "import/comenziregistru.h"
#include "profile/inregistrare.h"
#include "print/iesirepdf.h"
#include "print/exportregistru.h"
#include "print/tiparireinregistrata.h"
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

const QCommandLineOption SeriaCarton(QStringLiteral("card-series"),
                                     QStringLiteral("Seria cartoanelor: certificatele se trec in registru."),
                                     QStringLiteral("S"));
const QCommandLineOption NumarCarton(QStringLiteral("card-number"),
                                     QStringLiteral("Numarul primului carton din teanc; urmatoarele, in ordine."),
                                     QStringLiteral("N"));
const QCommandLineOption DataInregistrarii(QStringLiteral("registration-date"),
                                           QStringLiteral("Data inregistrarii (implicit azi)."),
                                           QStringLiteral("YYYY-MM-DD"));
const QCommandLineOption Retiparire(
    QStringLiteral("reprint"),
    QStringLiteral("Un elev care are deja certificat primeste unul nou; cartonul vechi se anuleaza ca tiparit gresit."));
const QCommandLineOption Duplicat(
    QStringLiteral("duplicate"),
    QStringLiteral("Un elev care are deja certificat primeste un duplicat al lui (certificat pierdut sau deteriorat)."));

const QCommandLineOption AnuleazaCarton(QStringLiteral("register-void"),
                                        QStringLiteral("Anuleaza in registru cartonul cu seria S si numarul N dat dupa ea."),
                                        QStringLiteral("S"));
const QCommandLineOption Motiv(QStringLiteral("reason"), QStringLiteral("Motivul anularii."), QStringLiteral("TEXT"));
const QCommandLineOption ExportaRegistru(
    QStringLiteral("register-export"),
    QStringLiteral("Scrie registrul certificatelor in fisierul dat, ca .csv, .xlsx sau .pdf dupa extensie, si iese."),
    QStringLiteral("FILE"));

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

void Refuza(const QString& eroare)
{
    if (!eroare.isEmpty())
        throw EEroare(eroare);
}

// The cards of a print recorded in the register, or none when no series is given.
std::optional<TNumerotareCartoane> Numerotare(const QCommandLineParser& parser)
{
    if (!parser.isSet(SeriaCarton)) {
        for (const QCommandLineOption& optiune : {NumarCarton, DataInregistrarii, Retiparire, Duplicat})
            if (parser.isSet(optiune))
                throw EEroare(QStringLiteral("--%1 cere --card-series S --card-number N.").arg(optiune.names().first()));
        return std::nullopt;
    }
    TNumerotareCartoane numerotare;
    numerotare.Seria = parser.value(SeriaCarton);
    Refuza(VerificaSeria(numerotare.Seria));
    if (!parser.isSet(NumarCarton))
        throw EEroare(QStringLiteral("--card-series cere si --card-number N, numarul primului carton."));
    Refuza(VerificaNumarCarton(parser.value(NumarCarton), &numerotare.PrimulNumar));
    numerotare.Data = QDate::currentDate();
    if (parser.isSet(DataInregistrarii))
        Refuza(VerificaData(parser.value(DataInregistrarii), &numerotare.Data));
    if (parser.isSet(Retiparire) && parser.isSet(Duplicat))
        throw EEroare(QStringLiteral("--reprint si --duplicate nu se folosesc impreuna."));
    numerotare.Reluare = parser.isSet(Retiparire) ? TReluare::Retiparire
                         : parser.isSet(Duplicat) ? TReluare::Duplicat
                                                  : TReluare::Refuza;
    return numerotare;
}

int TiparesteCertificatul(const QCommandLineParser& parser)
{
    const bool toti = parser.isSet(TotiElevii);
    if (toti == parser.isSet(Elev))
        throw EEroare(QStringLiteral("--print-pdf cere fie --pupil ID[,ID...], fie --all."));
    const QList<int> alesi = toti ? QList<int>() : IdElevi(parser.value(Elev));
    const TPaginiCertificat pagini = Pagini(parser);
    const std::optional<TNumerotareCartoane> numerotare = Numerotare(parser);
    // Refused before the database is even opened.
    VerificaTintaPdf(parser.value(TiparesteInPdf));
    const std::unique_ptr<TDM> dm = PornesteModululDeDateFaraFerestre();
    const QList<int> elevi = toti ? TotiEleviiDinLista() : alesi;
    if (!numerotare) {
        TiparesteCertificateInPdf(parser.value(TiparesteInPdf), elevi, pagini, parser.isSet(Proba));
        return 0;
    }
    try {
        TiparesteSiInregistreazaInPdf(parser.value(TiparesteInPdf), elevi, pagini, parser.isSet(Proba), *numerotare);
    } catch (const ECertificatValabil& e) {
        throw EEroare(e.Mesaj() + QStringLiteral(" Pentru un carton tiparit gresit folositi --reprint, pentru un "
                                                 "certificat pierdut sau deteriorat --duplicate."));
    }
    return 0;
}

int AnuleazaCartonul(const QCommandLineParser& parser)
{
    const QString seria = parser.value(AnuleazaCarton);
    Refuza(VerificaSeria(seria));
    const QStringList rest = parser.positionalArguments();
    if (rest.size() != 1)
        throw EEroare(QStringLiteral("--register-void cere seria si numarul cartonului: --register-void S N --reason "
                                     "TEXT."));
    int numar = 0;
    Refuza(VerificaNumarCarton(rest.first(), &numar));
    if (parser.value(Motiv).trimmed().isEmpty())
        throw EEroare(QStringLiteral("Anularea unui carton cere un motiv: --reason TEXT."));
    const std::unique_ptr<TDM> dm = PornesteModululDeDateFaraFerestre();
    TRegistruCertificate(dm->Tr()).Anuleaza(seria, numar, parser.value(Motiv));
    return 0;
}

int ScrieRegistrul(const QCommandLineParser& parser)
{
    const QString fisier = parser.value(ExportaRegistru);
    // A register written over the database or the settings would lose them.
    VerificaTintaPdf(fisier);
    const std::unique_ptr<TDM> dm = PornesteModululDeDateFaraFerestre();
    ExportaRegistrul(fisier, TRegistruCertificate(dm->Tr()).Intrari());
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
    Inregistreaza({TiparesteInPdf, Elev, TotiElevii, Pagina, Proba, SeriaCarton, NumarCarton, DataInregistrarii,
                   Retiparire, Duplicat},
                  TiparesteCertificatul);
    Inregistreaza({AnuleazaCarton, Motiv}, AnuleazaCartonul);
    Inregistreaza({ExportaRegistru}, ScrieRegistrul);
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
