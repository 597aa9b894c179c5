#include "print/verificareelevi.h"

#include "base/citestenota.h"
#include "base/cnp.h"
#include "base/textunrand.h"
#include "certificat/definitiecertificat.h"
#include "certificat/fontcelula.h"
#include "certificat/fontformular.h"
#include "db/tdm.h"
#include "db/valoarecamp.h"
#include "print/formularpravent.h"
#include "profile/inregistrare.h"

#include <QFontMetricsF>
#include <QHash>
#include <QTextStream>

namespace {

enum TFelVerificare { Completat, CodNumeric, Nota };

// A field of the card and what it must hold. A field that normally takes its value from a
// twin is checked only when it holds something else: otherwise the twin's finding says it.
struct TCampVerificat {
    const char* Referinta;
    TFelVerificare Fel;
    const char* Eticheta;
    const char* Geaman = nullptr;
};

// clang-format off
const TCampVerificat CampuriVerificate[] = {
    {"PV.FATA.C_NUME", Completat, "numele"},
    {"PV.FATA.C_PRENUME", Completat, "prenumele"},
    {"PV.FATA.D_NUME", Completat, "numele si prenumele de pe diploma"},
    {"PV.FATA.C_CNP", CodNumeric, "CNP-ul"},
    {"PV.FATA.D_CNP", CodNumeric, "CNP-ul de pe diploma", "PV.FATA.C_CNP"},
    {"PV.SPATE.C_LB_ROMANA", Nota, "nota la limba romana"},
    {"PV.SPATE.D_LB_ROMANA", Nota, "nota la limba romana de pe diploma", "PV.SPATE.C_LB_ROMANA"},
    {"PV.SPATE.C_LB_MATERNA_NOTA", Nota, "nota la limba materna"},
    {"PV.SPATE.D_LB_MATERNA_NOTA", Nota, "nota la limba materna de pe diploma", "PV.SPATE.C_LB_MATERNA_NOTA"},
    {"PV.SPATE.C_MATEMATICA", Nota, "nota la matematica"},
    {"PV.SPATE.D_MATEMATICA", Nota, "nota la matematica de pe diploma", "PV.SPATE.C_MATEMATICA"},
    {"PV.SPATE.C_OPT_NOTA", Nota, "nota la proba la alegere"},
    {"PV.SPATE.D_OPT_NOTA", Nota, "nota la proba la alegere de pe diploma", "PV.SPATE.C_OPT_NOTA"},
    {"PV.SPATE.C_MEDIA_GEN", Nota, "media generala"},
    {"PV.SPATE.D_MEDIA_GEN", Nota, "media generala de pe diploma", "PV.SPATE.C_MEDIA_GEN"},
    {"PV.FATA.C_UNITATEA_L1", Completat, "unitatea de invatamant"},
    {"PV.FATA.D_UNITATEA", Completat, "unitatea de invatamant de pe diploma"},
    {"PV.SPATE.C_UNITATEA_L1", Completat, "unitatea de invatamant de pe verso (cotor)", "PV.FATA.C_UNITATEA_L1"},
    {"PV.SPATE.D_UNITATEA_L1", Completat, "unitatea de invatamant de pe verso (diploma)", "PV.FATA.C_UNITATEA_L1"},
    {"PV.FATA.C_LOCALITATEA", Completat, "localitatea"},
    {"PV.FATA.D_LOCALITATEA", Completat, "localitatea de pe diploma", "PV.FATA.C_LOCALITATEA"},
    {"PV.SPATE.C_LOCALITATEA", Completat, "localitatea de pe verso (cotor)", "PV.FATA.C_LOCALITATEA"},
    {"PV.SPATE.D_LOCALITATEA", Completat, "localitatea de pe verso (diploma)", "PV.FATA.C_LOCALITATEA"},
    {"PV.FATA.C_JUDETUL", Completat, "judetul"},
    {"PV.FATA.D_JUDETUL", Completat, "judetul de pe diploma", "PV.FATA.C_JUDETUL"},
    {"PV.SPATE.C_JUDETUL", Completat, "judetul de pe verso (cotor)", "PV.FATA.C_JUDETUL"},
    {"PV.SPATE.D_JUDETUL", Completat, "judetul de pe verso (diploma)", "PV.FATA.C_JUDETUL"},
    {"PV.FATA.C_COD_SIRUES", Completat, "codul SIRUES"},
    {"PV.FATA.D_COD_SIRUES", Completat, "codul SIRUES de pe diploma", "PV.FATA.C_COD_SIRUES"},
};
// clang-format on

QString CuMajuscula(const QString& text)
{
    return text.left(1).toUpper() + text.mid(1);
}

// Only digits and decimal separators: a number, even if not a mark.
bool ScrisCaNumar(const QString& text)
{
    for (const QChar c : text)
        if (!c.isDigit() && c != QLatin1Char(',') && c != QLatin1Char('.'))
            return false;
    return !text.isEmpty();
}

QString ConstatareNota(const QString& eticheta, const QString& valoare)
{
    if (CitesteNotaStocata(valoare).Stare != TNotaStocata::NuEsteNota)
        return {};
    const QString text = valoare.trimmed();
    const qint64 nota = CitesteNota(text);
    if (ScrisCaNumar(text) && (nota < 50000 || nota > 100000))
        return QStringLiteral("%1 este \"%2\", nu o nota intre 5,00 si 10,00.").arg(CuMajuscula(eticheta), valoare);
    return QStringLiteral("%1 este \"%2\", care nu este o nota.").arg(CuMajuscula(eticheta), valoare);
}

QString Constatare(const TCampVerificat& camp, const QString& valoare)
{
    const QString eticheta = QString::fromUtf8(camp.Eticheta);
    switch (camp.Fel) {
    case Completat:
        return valoare.trimmed().isEmpty() ? QStringLiteral("Lipseste %1.").arg(eticheta) : QString();
    case CodNumeric:
        if (valoare.trimmed().isEmpty())
            return QStringLiteral("Lipseste %1.").arg(eticheta);
        return EsteCNPValid(valoare) ? QString()
                                     : QStringLiteral("%1 \"%2\" nu este valid.").arg(CuMajuscula(eticheta), valoare);
    case Nota:
        return ConstatareNota(eticheta, valoare);
    }
    return {};
}

// Where the session is printed: the areas that show it, from the certificate's definition.
const TDefinitieFormular& DefinitiaCertificatului()
{
    static const std::unique_ptr<TDefinitieFormular> definitie = [] {
        IncarcaResurseleCertificatului();
        return CitesteDefinitiaFormularului(CaleFormularPravent());
    }();
    return *definitie;
}

// The session is typed as a whole ("iunie 2026"): one longer than an area that shows it
// would print shrunk below its designed size, or cut. Measured at a printer's resolution.
QString MasoaraSesiunea(const QString& sesiune)
{
    const double pixeliPeMm = 600 / 25.4;
    for (const TPaginaFormular& pagina : DefinitiaCertificatului().Pagini)
        for (const TArieFormular& arie : pagina.Arii) {
            if (!arie.Denumire1.endsWith(QLatin1String("_SESIUNEA")) || !arie.Font)
                continue;
            TCerereFont cerere;
            cerere.Fata = arie.Font->FontName();
            cerere.InaltimeCelula = qRound(arie.Font->Size() * pixeliPeMm);
            cerere.Greutate = arie.Font->Bold() ? 700 : 400;
            cerere.Italic = arie.Font->Italic();
            const double latime = QFontMetricsF(FontDupaCerere(cerere)).horizontalAdvance(sesiune) / pixeliPeMm;
            if (latime > arie.WidthMm)
                return QStringLiteral("Sesiunea \"%1\" nu incape pe certificat (%2 mm, locul are %3 mm); "
                                      "scrieti-o mai scurt in \"Configurare scoala\".")
                    .arg(sesiune)
                    .arg(latime, 0, 'f', 1)
                    .arg(arie.WidthMm, 0, 'f', 1);
        }
    return {};
}

// Every pupil of a school has the same session: it is measured once.
QString ConstatareSesiune(const QString& sesiune)
{
    static QHash<QString, QString> masurate;
    const auto gasita = masurate.constFind(sesiune);
    return gasita != masurate.cend() ? *gasita : *masurate.insert(sesiune, MasoaraSesiunea(sesiune));
}

// The values one check reads, each once.
class TValoriElev {
public:
    explicit TValoriElev(int idElev) : m_idElev(idElev) {}

    const QString& Valoare(const char* referinta)
    {
        const QString cheie = QString::fromLatin1(referinta);
        const auto gasit = m_valori.constFind(cheie);
        if (gasit != m_valori.cend())
            return *gasit;
        return *m_valori.insert(cheie, ValoareCamp(DescompuneReferinta(cheie), m_idElev));
    }

private:
    int m_idElev;
    QHash<QString, QString> m_valori;
};

} // namespace

QStringList VerificaElev(int idElev)
{
    TTranzactieImprumutata tr(DM().Tr());
    TValoriElev valori(idElev);
    QStringList constatari;
    for (const TCampVerificat& camp : CampuriVerificate) {
        const QString& valoare = valori.Valoare(camp.Referinta);
        if (camp.Geaman && valoare == valori.Valoare(camp.Geaman))
            continue;
        const QString constatare = Constatare(camp, valoare);
        if (!constatare.isEmpty())
            constatari << constatare;
    }
    const QString sesiune = ConstatareSesiune(valori.Valoare("PV.FATA.C_SESIUNEA").trimmed());
    if (!sesiune.isEmpty())
        constatari << sesiune;
    return constatari;
}

std::vector<TElevVerificat> VerificaElevii(const TLiniiAfisate& linii)
{
    TTranzactieImprumutata tr(DM().Tr());
    std::vector<TElevVerificat> verificati;
    verificati.reserve(linii.size());
    for (const TLinieAfisata& linie : linii)
        verificati.push_back({linie, VerificaElev(linie.Id)});
    return verificati;
}

int ScrieConstatarileElevilor(QTextStream& iesire)
{
    const TLiniiAfisate linii = CitesteLiniiAfisate(QStringLiteral("ELEVI"), ProfilCerut().ListaCampuriElev());
    int numar = 0;
    for (const TElevVerificat& elev : VerificaElevii(linii)) {
        // The values quoted in a finding are the user's: they must not break the line.
        for (const QString& constatare : elev.Constatari)
            iesire << elev.Linie.Id << ' ' << EscapeazaPeUnRand(elev.Linie.Denumire + QStringLiteral(": ") + constatare)
                   << '\n';
        numar += static_cast<int>(elev.Constatari.size());
    }
    return numar;
}
