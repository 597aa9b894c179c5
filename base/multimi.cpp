#include "base/multimi.h"

#include <algorithm>
#include <array>

namespace {

// A closed set's stored texts, in the order of its values.
template <typename T, std::size_t N>
std::optional<T> DinText(const std::array<const char*, N>& texte, const QString& text)
{
    const auto gasit = std::find_if(texte.begin(), texte.end(), [&](const char* t) { return text == QLatin1String(t); });
    if (gasit == texte.end())
        return std::nullopt;
    return static_cast<T>(gasit - texte.begin());
}

const std::array<const char*, 4> TexteTipNota = {"NOTA_DIPLOMA", "NOTA_COTOR", "MEDIE_DIPLOMA", "MEDIE_COTOR"};
const std::array<const char*, 3> TextePagini = {"fata", "spate", "ambele"};
const std::array<const char*, 3> TexteOglinda = {"D", "N", "*"};
const std::array<const char*, 4> TexteModScriereNota = {"NOTA", "NOTA(PROCENT)", "NOTA/PROCENT", "NOTA/LITERE"};

} // namespace

std::optional<TTipNota> TipNotaDinText(const QString& denumire3)
{
    return DinText<TTipNota>(TexteTipNota, denumire3.trimmed().toUpper());
}

TPaginaCertificat PaginaDinIndex(int index)
{
    return index == 0 ? TPaginaCertificat::Fata : TPaginaCertificat::Spate;
}

int IndexPagina(TPaginaCertificat pagina)
{
    return pagina == TPaginaCertificat::Fata ? 0 : 1;
}

std::optional<TPaginiCertificat> PaginiDinText(const QString& text)
{
    return DinText<TPaginiCertificat>(TextePagini, text);
}

QList<TPaginaCertificat> PaginileAlese(TPaginiCertificat pagini)
{
    switch (pagini) {
    case TPaginiCertificat::Fata: return {TPaginaCertificat::Fata};
    case TPaginiCertificat::Spate: return {TPaginaCertificat::Spate};
    case TPaginiCertificat::Ambele: break;
    }
    return {TPaginaCertificat::Fata, TPaginaCertificat::Spate};
}

TOglinda OglindaDinText(const QString& text)
{
    return DinText<TOglinda>(TexteOglinda, text).value_or(TOglinda::Nu);
}

QString TextOglinda(TOglinda oglinda)
{
    return QString::fromLatin1(TexteOglinda.at(static_cast<std::size_t>(oglinda)));
}

TModAlimentare ModAlimentareDinNumar(int numar)
{
    return numar >= 1 && numar <= 4 ? static_cast<TModAlimentare>(numar) : TModAlimentare::Necalibrat;
}

int NumarModAlimentare(TModAlimentare mod)
{
    return static_cast<int>(mod);
}

bool AlimentareInJos(TModAlimentare mod)
{
    return mod == TModAlimentare::PrinSus || mod == TModAlimentare::CasetaInversata;
}

const QList<TModScriereNota>& ModuriScriereNota()
{
    static const QList<TModScriereNota> moduri = {TModScriereNota::Nota, TModScriereNota::NotaProcent,
                                                  TModScriereNota::NotaSubProcent, TModScriereNota::NotaSubLitere};
    return moduri;
}

std::optional<TModScriereNota> ModScriereNotaDinText(const QString& text)
{
    return DinText<TModScriereNota>(TexteModScriereNota, text);
}

QString TextModScriereNota(TModScriereNota mod)
{
    return QString::fromLatin1(TexteModScriereNota.at(static_cast<std::size_t>(mod)));
}

TAliniereParticularizata AliniereParticularizataDinNumar(int numar)
{
    return numar >= 1 && numar <= 3 ? static_cast<TAliniereParticularizata>(numar) : TAliniereParticularizata::Pastreaza;
}

TStilParticularizat StilParticularizatDinNumar(int numar)
{
    return numar == 1 || numar == 2 ? static_cast<TStilParticularizat>(numar) : TStilParticularizat::Pastreaza;
}

bool StilAplicat(TStilParticularizat stil, bool alFontului)
{
    switch (stil) {
    case TStilParticularizat::Da: return true;
    case TStilParticularizat::Nu: return false;
    case TStilParticularizat::Pastreaza: break;
    }
    return alFontului;
}
