#include "app/comenzi.h"

#include "base/comenzilinie.h"
#include "base/eroare.h"
#include "base/textunrand.h"
#include "base/versiune.h"
#include "db/copiibaza.h"
#include "db/depozit.h"
#include "db/pornirefaraferestre.h"
#include "import/comenziregistru.h"
#include "profile/inregistrare.h"
#include "print/iesirepdf.h"
#include "print/tiparirepdf.h"

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
                                        QStringLiteral("Tipareste certificatul unui elev in fisierul PDF dat si iese."),
                                        QStringLiteral("FILE"));
const QCommandLineOption Elev(QStringLiteral("pupil"), QStringLiteral("Numarul elevului (ID_ELEVI)."),
                              QStringLiteral("ID"));
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
    QTextStream iesire(stdout);
    for (const TLinieAfisata& linie : LiniiFiltrate(linii, parser.value(Filtru)))
        iesire << EscapeazaPeUnRand(linie.Denumire) << '\n';
    return 0;
}

int IdElev(const QCommandLineParser& parser)
{
    bool ok = false;
    const int id = parser.value(Elev).toInt(&ok);
    if (!ok)
        throw EEroare(QStringLiteral("--pupil trebuie sa fie numarul unui elev, nu \"%1\".").arg(parser.value(Elev)));
    return id;
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
    const int idElev = IdElev(parser);
    const TPaginiCertificat pagini = Pagini(parser);
    // Refused before the database is even opened.
    VerificaTintaPdf(parser.value(TiparesteInPdf));
    const std::unique_ptr<TDM> dm = PornesteModululDeDateFaraFerestre();
    TiparesteCertificatInPdf(parser.value(TiparesteInPdf), idElev, pagini);
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
    Inregistreaza({TiparesteInPdf, Elev, Pagina}, TiparesteCertificatul);
    Inregistreaza({Restaureaza}, RestaureazaBazaDeDate);
    Inregistreaza({ListeazaFoile_}, ListeazaFoileRegistrului);
    Inregistreaza({CitesteFoaia_, Foaia}, AfiseazaFoaiaRegistrului);
}
