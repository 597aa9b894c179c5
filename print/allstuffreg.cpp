#include "print/allstuffreg.h"

#include "base/brvregistryclass.h"
#include "base/eroare.h"
#include "print/listavirgule.h"
#include "print/margine.h"
#include "print/numarzecimal.h"

#include <QSettings>
#include <QStringList>

namespace {

TAllStuffReg* g_curent = nullptr;

const QString ValoareTot = QStringLiteral("all");
const QString ValoareOglindaFata = QStringLiteral("OglindescFata");
const QString ValoareOglindaVerso = QStringLiteral("OglindescVerso");
const int NumarElemente = 12;

// The scales' values, by side and axis.
QString NumeScara(TPaginaCertificat pagina, bool orizontala)
{
    return QStringLiteral("Scara%1%2")
        .arg(orizontala ? QStringLiteral("Orizontala") : QStringLiteral("Verticala"),
             pagina == TPaginaCertificat::Fata ? QStringLiteral("Fata") : QStringLiteral("Verso"));
}

// A stored scale a measurement could not have given (hand-edited) is unset. Written in the
// C locale: unlike the margins of "all", it has no older readers to agree with.
double ScaraCitita(const QVariant& valoare)
{
    bool ok = false;
    const double scara = valoare.toString().toDouble(&ok);
    return ok && scara >= 0.95 && scara <= 1.05 ? scara : 1.0;
}

QString TextBoolean(bool valoare)
{
    return valoare ? QStringLiteral("1") : QStringLiteral("0");
}

// Items of "all" by position; asking past the end fails as a list index does.
class TElemente {
public:
    explicit TElemente(const QString& tot) : m_elemente(CitesteListaVirgule(tot)) {}

    const QString& Text(int index) const
    {
        if (index >= m_elemente.size())
            throw EEroare(QStringLiteral("List index out of bounds (%1)").arg(index));
        return m_elemente.at(index);
    }
    bool Boolean(int index) const { return Text(index) == QLatin1String("1"); }
    int Intreg(int index) const { return CitesteIntreg(Text(index)); }
    // A stored margin the card cannot take (hand-edited, or from an older version) is unset.
    double Margine(int index) const
    {
        const double mm = CitesteZecimal(Text(index));
        return MargineAcceptata(mm) ? mm : 0.0;
    }

private:
    QStringList m_elemente;
};

} // namespace

const QString TAllStuffReg::Grup = QStringLiteral("2006/Absolventi Clasa a VIIIa");

TAllStuffReg::TAllStuffReg()
{
    if (!g_curent)
        g_curent = this;
    try {
        Citeste();
    } catch (...) {
        // The destructor does not run for a failed construction: release it here.
        Scrie();
        RenuntaLaRol();
        throw;
    }
}

TAllStuffReg::~TAllStuffReg()
{
    Scrie();
    RenuntaLaRol();
}

TAllStuffReg* TAllStuffReg::Curent()
{
    return g_curent;
}

void TAllStuffReg::RenuntaLaRol()
{
    if (g_curent == this)
        g_curent = nullptr;
}

void TAllStuffReg::Citeste()
{
    QSettings setari = DeschideSetari();
    setari.beginGroup(Grup);
    OglindescFata = setari.value(ValoareOglindaFata, QStringLiteral("*")).toString();
    OglindescVerso = setari.value(ValoareOglindaVerso, QStringLiteral("*")).toString();
    for (const TPaginaCertificat pagina : {TPaginaCertificat::Fata, TPaginaCertificat::Spate})
        for (const bool orizontala : {true, false})
            Scara(pagina, orizontala) = ScaraCitita(setari.value(NumeScara(pagina, orizontala), 1));
    if (setari.contains(ValoareTot))
        CitesteTot(setari.value(ValoareTot).toString());
}

double& TAllStuffReg::Scara(TPaginaCertificat pagina, bool orizontala)
{
    if (pagina == TPaginaCertificat::Fata)
        return orizontala ? ScaraOrizontalaFata : ScaraVerticalaFata;
    return orizontala ? ScaraOrizontalaVerso : ScaraVerticalaVerso;
}

// Item 0 is always "0" and is not read.
void TAllStuffReg::CitesteTot(const QString& tot)
{
    const TElemente e(tot);
    ImprimantaConfigurata = e.Boolean(1);
    PartiOpuse = e.Boolean(2);
    LinieVerticalaDreapta = e.Boolean(3);
    LinieOrizontalaJos = e.Boolean(4);
    ModAlimentare = e.Intreg(5);
    MargineStangaFata = e.Margine(6);
    MargineSusFata = e.Margine(7);
    MargineStangaVerso = e.Margine(8);
    MargineSusVerso = e.Margine(9);
    NumeImprimanta = e.Text(10);
    IndexImprimanta = e.Intreg(NumarElemente - 1);
}

QString TAllStuffReg::Tot() const
{
    return ScrieListaVirgule({QStringLiteral("0"), TextBoolean(ImprimantaConfigurata), TextBoolean(PartiOpuse),
                              TextBoolean(LinieVerticalaDreapta), TextBoolean(LinieOrizontalaJos),
                              QString::number(ModAlimentare), TextZecimal(MargineStangaFata),
                              TextZecimal(MargineSusFata), TextZecimal(MargineStangaVerso),
                              TextZecimal(MargineSusVerso), NumeImprimanta, QString::number(IndexImprimanta)});
}

void TAllStuffReg::Scrie() const
{
    QSettings setari = DeschideSetari();
    setari.beginGroup(Grup);
    bool modificat = SeteazaDacaDiferit(setari, ValoareTot, Tot());
    modificat = SeteazaDacaDiferit(setari, ValoareOglindaFata, OglindescFata) || modificat;
    modificat = SeteazaDacaDiferit(setari, ValoareOglindaVerso, OglindescVerso) || modificat;
    // A printer never measured leaves the store as it always was.
    for (const TPaginaCertificat pagina : {TPaginaCertificat::Fata, TPaginaCertificat::Spate})
        for (const bool orizontala : {true, false}) {
            const QString nume = NumeScara(pagina, orizontala);
            const TCorectiePagina corectie = Corectie(pagina);
            const double scara = orizontala ? corectie.ScaraX() : corectie.ScaraY();
            if (scara != 1.0) {
                modificat = SeteazaDacaDiferit(setari, nume, QString::number(scara, 'g', 15)) || modificat;
            } else if (setari.contains(nume)) {
                setari.remove(nume);
                modificat = true;
            }
        }
    if (modificat)
        PastreazaModificarile(setari);
}

double& TAllStuffReg::MargineStanga(TPaginaCertificat pagina)
{
    return pagina == TPaginaCertificat::Fata ? MargineStangaFata : MargineStangaVerso;
}

double& TAllStuffReg::MargineSus(TPaginaCertificat pagina)
{
    return pagina == TPaginaCertificat::Fata ? MargineSusFata : MargineSusVerso;
}

TOglinda TAllStuffReg::Oglinda(TPaginaCertificat pagina) const
{
    return OglindaDinText(pagina == TPaginaCertificat::Fata ? OglindescFata : OglindescVerso);
}

void TAllStuffReg::SeteazaOglinda(TPaginaCertificat pagina, TOglinda oglinda)
{
    (pagina == TPaginaCertificat::Fata ? OglindescFata : OglindescVerso) = TextOglinda(oglinda);
}

TCorectiePagina TAllStuffReg::Corectie(TPaginaCertificat pagina) const
{
    if (pagina == TPaginaCertificat::Fata)
        return {MargineStangaFata, MargineSusFata, ScaraOrizontalaFata, ScaraVerticalaFata};
    return {MargineStangaVerso, MargineSusVerso, ScaraOrizontalaVerso, ScaraVerticalaVerso};
}

void TAllStuffReg::SeteazaMasuratoarea(TPaginaCertificat pagina, const TMasuratoareImprimanta& masuratoare)
{
    const TCorectiePagina corectie = TCorectiePagina::Anuleaza(masuratoare);
    MargineStanga(pagina) = corectie.StangaMm();
    MargineSus(pagina) = corectie.SusMm();
    Scara(pagina, true) = corectie.ScaraX();
    Scara(pagina, false) = corectie.ScaraY();
}

bool PaginaOglindita(TPaginaCertificat pagina, const TAllStuffReg& setari)
{
    return PaginaOglindita(pagina, setari.Oglinda(pagina), ModAlimentareDinNumar(setari.ModAlimentare));
}

TOglinda OglindaStocata(TPaginaCertificat pagina)
{
    QSettings setari = DeschideSetari();
    setari.beginGroup(TAllStuffReg::Grup);
    const QString& nume = pagina == TPaginaCertificat::Fata ? ValoareOglindaFata : ValoareOglindaVerso;
    return OglindaDinText(setari.value(nume, QStringLiteral("*")).toString());
}

bool PaginaOglindita(TPaginaCertificat pagina, TOglinda aleasa, TModAlimentare modAlimentare)
{
    if (aleasa != TOglinda::Nealeasa)
        return aleasa == TOglinda::Da;
    return (pagina == TPaginaCertificat::Spate) != AlimentareInJos(modAlimentare);
}
