#include "print/allstuffreg.h"

#include "base/brvregistryclass.h"
#include "base/eroare.h"
#include "print/listavirgule.h"
#include "print/numarzecimal.h"

#include <QSettings>
#include <QStringList>

namespace {

TAllStuffReg* g_curent = nullptr;

const QString ValoareTot = QStringLiteral("all");
const QString ValoareOglindaFata = QStringLiteral("OglindescFata");
const QString ValoareOglindaVerso = QStringLiteral("OglindescVerso");
const int NumarElemente = 12;

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
    double Zecimal(int index) const { return CitesteZecimal(Text(index)); }

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
    if (setari.contains(ValoareTot))
        CitesteTot(setari.value(ValoareTot).toString());
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
    MargineStangaFata = e.Zecimal(6);
    MargineSusFata = e.Zecimal(7);
    MargineStangaVerso = e.Zecimal(8);
    MargineSusVerso = e.Zecimal(9);
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
    setari.setValue(ValoareTot, Tot());
    setari.setValue(ValoareOglindaFata, OglindescFata);
    setari.setValue(ValoareOglindaVerso, OglindescVerso);
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

bool PaginaOglindita(TPaginaCertificat pagina, const TAllStuffReg& setari)
{
    const TOglinda aleasa = setari.Oglinda(pagina);
    if (aleasa != TOglinda::Nealeasa)
        return aleasa == TOglinda::Da;
    return (pagina == TPaginaCertificat::Spate) != AlimentareInJos(ModAlimentareDinNumar(setari.ModAlimentare));
}
