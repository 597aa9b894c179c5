#include "registre/formatnumar.h"

#include <QDate>
#include <QRegularExpression>
#include <QLocale>
#include <cmath>
#include <limits>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

enum class TFel {
    Literal, Cifra, Punct, Separator, Procent, Exponent, General,
    An, Luna, Zi, Ora, Minut, Secunda, FractieSecunda, AmPm, OreScurse, MinuteScurse, SecundeScurse
};

// Largest serial a spreadsheet shows as a date (31.12.9999).
constexpr double SerialMaxim = 2958465.999999;

const char* const LuniLungi[] = {"ianuarie", "februarie", "martie",     "aprilie",   "mai",       "iunie",
                                 "iulie",    "august",    "septembrie", "octombrie", "noiembrie", "decembrie"};
const char* const LuniScurte[] = {"ian.", "feb.", "mar.", "apr.", "mai",  "iun.",
                                  "iul.", "aug.", "sept.", "oct.", "nov.", "dec."};
const char16_t* const ZileLungi[] = {u"luni", u"marţi", u"miercuri", u"joi", u"vineri", u"sâmbătă", u"duminică"};
const char16_t* const ZileScurte[] = {u"lun.", u"mar.", u"mie.", u"joi", u"vin.", u"sâm.", u"dum."};

} // namespace

struct TFormatNumar::TElement {
    TFel Fel;
    QString Text;     // a literal's text
    QChar Cifra;      // '0', '#' or '?'
    int Lungime = 1;  // letters of a date token, digits of a fraction of a second
};

struct TConditie {
    QString Operator;
    double Valoare = 0;
    bool Adevarata(double v) const
    {
        if (Operator == QLatin1String("<"))
            return v < Valoare;
        if (Operator == QLatin1String("<="))
            return v <= Valoare;
        if (Operator == QLatin1String(">"))
            return v > Valoare;
        if (Operator == QLatin1String(">="))
            return v >= Valoare;
        if (Operator == QLatin1String("<>"))
            return v != Valoare;
        return v == Valoare;
    }
};

struct TFormatNumar::TSectiune {
    std::vector<TElement> Elemente;
    std::optional<TConditie> Conditie;
    bool Data = false;
    bool Grupare = false;
    int Scalare = 0;       // each trailing "," divides by 1000
    int Procente = 0;
    int Intregi = 0;       // digit placeholders before the decimal point
    int Zecimale = 0;      // digit placeholders after it
    bool CuExponent = false;
    bool ArePunct = false;
    int ZecimaleSecunda = 0;
    bool CuOre = false;
    // "# ?/?", "?/8", "??/??": the fraction's form, when the section is one.
    struct TFractie {
        bool CuIntregi = false;
        int CifreNumitor = 1;
        int NumitorFix = 0;
    };
    std::optional<TFractie> Fractie;

    QString Aplica(double valoare, bool sistem1904) const;
    QString AplicaNumar(double v) const;
    QString AplicaFractie(double v) const;
    QString AplicaExponent(double v) const;
    QString AplicaData(double v, bool sistem1904) const;
};

struct TFormatNumar::TSectiuni {
    std::vector<TSectiune> Lista;
};

namespace {

using TElement = TFormatNumar::TElement;
using TSectiune = TFormatNumar::TSectiune;

// v / 10^exponent without the power of ten underflowing to zero for the smallest numbers.
double Mantisa(double v, int exponent)
{
    if (exponent < -300)
        return v * 1e300 / std::pow(10.0, exponent + 300);
    return v / std::pow(10.0, exponent);
}

// The decimals a mantissa may show: every one for a normal number, but a subnormal one
// carries only a few digits (4.9E-324 has a single bit), and more would be noise.
int ZecimaleSemnificative(double a)
{
    if (a >= std::numeric_limits<double>::min())
        return std::numeric_limits<int>::max();
    const QString scurt = QString::number(a, 'e', QLocale::FloatingPointShortest);
    const qsizetype cifre = scurt.indexOf(u'e') - (scurt.contains(u'.') ? 1 : 0);
    return std::max<int>(1, int(cifre) - 1);
}

// Splits at ";" outside quotes, escapes and brackets.
QStringList ImparteInSectiuni(const QString& format)
{
    QStringList sectiuni;
    QString curenta;
    bool inGhilimele = false;
    bool inParanteze = false;
    for (int i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (!inGhilimele && !inParanteze && c == u'\\' && i + 1 < format.size()) {
            curenta += c;
            curenta += format.at(++i);
            continue;
        }
        if (c == u'"' && !inParanteze)
            inGhilimele = !inGhilimele;
        else if (c == u'[' && !inGhilimele)
            inParanteze = true;
        else if (c == u']' && !inGhilimele)
            inParanteze = false;
        else if (c == u';' && !inGhilimele && !inParanteze) {
            sectiuni << curenta;
            curenta.clear();
            continue;
        }
        curenta += c;
    }
    sectiuni << curenta;
    return sectiuni;
}

bool EsteData(const QString& sectiune)
{
    bool inGhilimele = false;
    for (int i = 0; i < sectiune.size(); ++i) {
        const QChar c = sectiune.at(i).toLower();
        if (c == u'"') {
            inGhilimele = !inGhilimele;
        } else if (inGhilimele) {
            continue;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (c == u'[') {
            const int sfarsit = sectiune.indexOf(u']', i);
            const QString interior = sectiune.mid(i + 1, sfarsit < 0 ? -1 : sfarsit - i - 1).toLower();
            if (!interior.isEmpty() && (interior.count(interior.at(0)) == interior.size()) &&
                (interior.at(0) == u'h' || interior.at(0) == u'm' || interior.at(0) == u's'))
                return true;
            if (sfarsit < 0)
                return false;
            i = sfarsit;
        } else if (c == u'g' && sectiune.mid(i, 7).compare(QLatin1String("general"), Qt::CaseInsensitive) == 0) {
            i += 6;
        } else if (c == u'y' || c == u'd' || c == u'h' || c == u's' || c == u'm') {
            return true;
        } else if (sectiune.mid(i, 5).compare(QLatin1String("am/pm"), Qt::CaseInsensitive) == 0 ||
                   sectiune.mid(i, 3).compare(QLatin1String("a/p"), Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

void AdaugaLiteral(std::vector<TElement>& elemente, const QString& text)
{
    if (!elemente.empty() && elemente.back().Fel == TFel::Literal)
        elemente.back().Text += text;
    else
        elemente.push_back({TFel::Literal, text, {}, 1});
}

// A bracketed part: a condition, elapsed time, a currency text; colours and locales show nothing.
void CitesteParanteza(const QString& interior, TSectiune& s)
{
    const QString mic = interior.toLower();
    if (!mic.isEmpty() && mic.count(mic.at(0)) == mic.size()) {
        const QChar c = mic.at(0);
        const TFel fel = c == u'h' ? TFel::OreScurse : c == u'm' ? TFel::MinuteScurse : TFel::SecundeScurse;
        if (c == u'h' || c == u'm' || c == u's') {
            s.Elemente.push_back({fel, {}, {}, int(mic.size())});
            s.CuOre = true;
            return;
        }
    }
    if (interior.startsWith(u'$')) {
        const int liniuta = interior.indexOf(u'-');
        AdaugaLiteral(s.Elemente, interior.mid(1, liniuta < 0 ? -1 : liniuta - 1));
        return;
    }
    if (interior.startsWith(u'<') || interior.startsWith(u'>') || interior.startsWith(u'=')) {
        int lungime = 1;
        if (interior.size() > 1 && (interior.at(1) == u'=' || interior.at(1) == u'>'))
            lungime = 2;
        bool ok = false;
        const double prag = interior.mid(lungime).trimmed().toDouble(&ok);
        if (ok)
            s.Conditie = TConditie{interior.left(lungime), prag};
    }
}

// Common to both kinds: quotes, escapes, "_x", "*x", brackets. Returns false when the
// character is not one of them.
bool CitesteComun(const QString& t, int& i, TSectiune& s)
{
    const QChar c = t.at(i);
    if (c == u'"') {
        const int sfarsit = t.indexOf(u'"', i + 1);
        AdaugaLiteral(s.Elemente, t.mid(i + 1, sfarsit < 0 ? -1 : sfarsit - i - 1));
        i = sfarsit < 0 ? int(t.size()) : sfarsit;
        return true;
    }
    if (c == u'\\') {
        if (i + 1 < t.size())
            AdaugaLiteral(s.Elemente, t.mid(++i, 1));
        return true;
    }
    if (c == u'_') {
        ++i;
        AdaugaLiteral(s.Elemente, QStringLiteral(" "));
        return true;
    }
    if (c == u'*') {
        ++i;
        return true;
    }
    if (c == u'[') {
        const int sfarsit = t.indexOf(u']', i);
        CitesteParanteza(t.mid(i + 1, sfarsit < 0 ? -1 : sfarsit - i - 1), s);
        i = sfarsit < 0 ? int(t.size()) : sfarsit;
        return true;
    }
    if (t.mid(i, 7).compare(QLatin1String("general"), Qt::CaseInsensitive) == 0) {
        s.Elemente.push_back({TFel::General, {}, {}, 1});
        i += 6;
        return true;
    }
    return false;
}

int Repetari(const QString& t, int i)
{
    const QChar c = t.at(i).toLower();
    int n = 1;
    while (i + n < t.size() && t.at(i + n).toLower() == c)
        ++n;
    return n;
}

void CompileazaData(const QString& t, TSectiune& s)
{
    s.Data = true;
    for (int i = 0; i < t.size(); ++i) {
        if (CitesteComun(t, i, s))
            continue;
        const QChar c = t.at(i);
        const QChar mic = c.toLower();
        if (t.mid(i, 5).compare(QLatin1String("am/pm"), Qt::CaseInsensitive) == 0) {
            s.Elemente.push_back({TFel::AmPm, {}, {}, 5});
            i += 4;
        } else if (t.mid(i, 3).compare(QLatin1String("a/p"), Qt::CaseInsensitive) == 0) {
            s.Elemente.push_back({TFel::AmPm, {}, {}, 3});
            i += 2;
        } else if (mic == u'y' || mic == u'm' || mic == u'd' || mic == u'h' || mic == u's') {
            const int n = Repetari(t, i);
            const TFel fel = mic == u'y' ? TFel::An : mic == u'm' ? TFel::Luna : mic == u'd' ? TFel::Zi
                           : mic == u'h' ? TFel::Ora : TFel::Secunda;
            s.Elemente.push_back({fel, {}, {}, n});
            if (fel == TFel::Ora || fel == TFel::Secunda)
                s.CuOre = true;
            i += n - 1;
        } else if (c == u'.' && !s.Elemente.empty() && s.Elemente.back().Fel == TFel::Secunda && i + 1 < t.size() &&
                   t.at(i + 1) == u'0') {
            const int n = Repetari(t, i + 1);
            s.Elemente.push_back({TFel::FractieSecunda, {}, {}, n});
            s.ZecimaleSecunda = std::min(n, 3);
            i += n;
        } else if (c == u'/') {
            AdaugaLiteral(s.Elemente, QStringLiteral("."));
        } else {
            AdaugaLiteral(s.Elemente, QString(c));
        }
    }
    // "m" after an hour or before a second means minutes.
    const TFel nimic = TFel::Literal;
    TFel precedent = nimic;
    for (size_t k = 0; k < s.Elemente.size(); ++k) {
        TElement& e = s.Elemente[k];
        if (e.Fel == TFel::Literal)
            continue;
        if (e.Fel == TFel::Luna && e.Lungime <= 2) {
            TFel urmator = nimic;
            for (size_t j = k + 1; j < s.Elemente.size() && urmator == nimic; ++j)
                if (s.Elemente[j].Fel != TFel::Literal)
                    urmator = s.Elemente[j].Fel;
            if (precedent == TFel::Ora || precedent == TFel::OreScurse || urmator == TFel::Secunda) {
                e.Fel = TFel::Minut;
                s.CuOre = true;
            }
        }
        precedent = e.Fel;
    }
}

void CompileazaNumar(const QString& t, TSectiune& s)
{
    int zona = 0;  // 0 integer part, 1 fraction, 2 exponent
    for (int i = 0; i < t.size(); ++i) {
        if (CitesteComun(t, i, s))
            continue;
        const QChar c = t.at(i);
        if (c == u'0' || c == u'#' || c == u'?') {
            s.Elemente.push_back({TFel::Cifra, {}, c, 1});
            if (zona == 0)
                ++s.Intregi;
            else if (zona == 1)
                ++s.Zecimale;
        } else if (c == u'.' && zona == 0) {
            s.Elemente.push_back({TFel::Punct, {}, {}, 1});
            s.ArePunct = true;
            zona = 1;
        } else if (c == u',' && zona < 2) {
            s.Elemente.push_back({TFel::Separator, {}, {}, 1});
        } else if (c == u'%') {
            s.Elemente.push_back({TFel::Procent, {}, {}, 1});
            ++s.Procente;
        } else if ((c == u'E' || c == u'e') && i + 1 < t.size() && (t.at(i + 1) == u'+' || t.at(i + 1) == u'-') &&
                   zona < 2 && s.Intregi + s.Zecimale > 0) {
            s.Elemente.push_back({TFel::Exponent, t.mid(i + 1, 1), {}, 1});
            s.CuExponent = true;
            zona = 2;
            ++i;
        } else if (c == u'@') {
            s.Elemente.push_back({TFel::General, {}, {}, 1});
        } else {
            AdaugaLiteral(s.Elemente, QString(c));
        }
    }
    // A "," between digit placeholders groups thousands; one after the last divides by 1000.
    std::vector<TElement> elemente;
    bool cifraInainte = false;
    for (size_t k = 0; k < s.Elemente.size(); ++k) {
        const TElement& e = s.Elemente[k];
        if (e.Fel == TFel::Cifra)
            cifraInainte = true;
        if (e.Fel == TFel::Punct || e.Fel == TFel::Exponent)
            cifraInainte = false;
        if (e.Fel != TFel::Separator) {
            elemente.push_back(e);
            continue;
        }
        size_t j = k + 1;
        while (j < s.Elemente.size() && s.Elemente[j].Fel == TFel::Separator)
            ++j;
        const bool urmeazaCifra = j < s.Elemente.size() && s.Elemente[j].Fel == TFel::Cifra;
        if (cifraInainte && urmeazaCifra)
            s.Grupare = true;
        else if (cifraInainte)
            ++s.Scalare;
        else
            AdaugaLiteral(elemente, QStringLiteral("."));
    }
    s.Elemente = std::move(elemente);
}

// Digits of the integer part spread over the placeholders from the right; the leftmost takes
// whatever does not fit. One text per placeholder, left to right.
QStringList CifreIntregi(const QString& cifre, const std::vector<const TElement*>& locuri, bool grupare)
{
    QStringList texte;
    const int p = int(locuri.size());
    const int n = int(cifre.size());
    for (int j = 0; j < p; ++j) {
        QString text;
        const int dreapta = p - 1 - j;  // position from the right
        auto puneCifra = [&](QChar cifra, int pozitie) {
            text += cifra;
            if (grupare && pozitie > 0 && pozitie % 3 == 0)
                text += u'.';
        };
        if (j == 0)
            for (int k = 0; k < n - p; ++k)
                puneCifra(cifre.at(k), n - 1 - k);
        if (dreapta < n)
            puneCifra(cifre.at(n - 1 - dreapta), dreapta);
        else if (locuri[j]->Cifra == u'0')
            puneCifra(u'0', dreapta);
        else if (locuri[j]->Cifra == u'?')
            text += u' ';
        texte << text;
    }
    return texte;
}

QString Completeaza(int valoare, int lungime)
{
    return QString::number(valoare).rightJustified(lungime, u'0');
}

QString ScrieCuLocuri(const std::vector<TElement>& elemente, const QString& intregi, const QString& fractie,
                      bool grupare, const QString& exponent = {}, bool expNegativ = false)
{
    std::vector<const TElement*> locuriIntregi;
    std::vector<const TElement*> locuriExponent;
    int zona = 0;
    for (const TElement& e : elemente) {
        if (e.Fel == TFel::Punct)
            zona = 1;
        else if (e.Fel == TFel::Exponent)
            zona = 2;
        else if (e.Fel == TFel::Cifra && zona == 0)
            locuriIntregi.push_back(&e);
        else if (e.Fel == TFel::Cifra && zona == 2)
            locuriExponent.push_back(&e);
    }
    const QStringList texteIntregi = CifreIntregi(intregi, locuriIntregi, grupare);
    const QStringList texteExponent = CifreIntregi(exponent, locuriExponent, false);
    QString rezultat;
    zona = 0;
    int indiceIntreg = 0;
    int indiceFractie = 0;
    int indiceExponent = 0;
    for (const TElement& e : elemente) {
        switch (e.Fel) {
        case TFel::Literal:
            rezultat += e.Text;
            break;
        case TFel::Punct:
            if (locuriIntregi.empty())
                rezultat += intregi;
            rezultat += u',';
            zona = 1;
            break;
        case TFel::Procent:
            rezultat += u'%';
            break;
        case TFel::Exponent:
            rezultat += u'E';
            if (expNegativ)
                rezultat += u'-';
            else if (e.Text == QLatin1String("+"))
                rezultat += u'+';
            zona = 2;
            break;
        case TFel::Cifra:
            if (zona == 0) {
                rezultat += texteIntregi.value(indiceIntreg++);
            } else if (zona == 2) {
                rezultat += texteExponent.value(indiceExponent++);
            } else {
                const int k = indiceFractie++;
                const QChar cifra = fractie.at(k);
                const bool zeroFinal = cifra == u'0' && fractie.mid(k).count(u'0') == fractie.size() - k;
                if (!zeroFinal || e.Cifra == u'0')
                    rezultat += cifra;
                else if (e.Cifra == u'?')
                    rezultat += u' ';
            }
            break;
        default:
            break;
        }
    }
    return rezultat;
}

QDate DataDinSerial(qint64 zile, bool sistem1904, bool& zero)
{
    zero = false;
    if (sistem1904)
        return QDate(1904, 1, 1).addDays(zile);
    if (zile == 0) {
        zero = true;
        return QDate(1900, 1, 1);
    }
    if (zile < 61)
        return QDate(1899, 12, 31).addDays(zile);  // 60 is the fictitious 29.02.1900, handled by the caller
    return QDate(1899, 12, 30).addDays(zile);
}

} // namespace

QString TSectiune::Aplica(double valoare, bool sistem1904) const
{
    return Data ? AplicaData(valoare, sistem1904) : AplicaNumar(valoare);
}

namespace {

// A section of the form "[# ]num/den", where den is placeholders or a fixed number; brackets
// (colour, condition) are read as for any number.
std::optional<TSectiune::TFractie> FormaFractie(const QString& sectiune)
{
    static const QRegularExpression forma(
        QStringLiteral("^\\s*(?:([#0?]+)\\s+)?[#0?]+\\s*/\\s*([#0?]{1,4}|[1-9][0-9]{0,3})\\s*$"));
    QString fara = sectiune;
    fara.remove(QRegularExpression(QStringLiteral("\\[[^\\]]*\\]")));
    const QRegularExpressionMatch m = forma.match(fara);
    if (!m.hasMatch())
        return std::nullopt;
    TSectiune::TFractie fractie;
    fractie.CuIntregi = m.capturedLength(1) > 0;
    const QString numitor = m.captured(2);
    if (numitor.at(0).isDigit())
        fractie.NumitorFix = numitor.toInt();
    else
        fractie.CifreNumitor = int(numitor.size());
    return fractie;
}

} // namespace

// The closest fraction with a denominator the format allows; the smallest denominator wins a tie.
QString TSectiune::AplicaFractie(double v) const
{
    if (v >= 1e15)
        return FormatGeneral(v);
    qint64 intregi = Fractie->CuIntregi ? qint64(std::floor(v)) : 0;
    const double rest = v - double(intregi);
    qint64 numarator = 0;
    qint64 numitor = 1;
    if (Fractie->NumitorFix > 0) {
        numitor = Fractie->NumitorFix;
        numarator = std::llround(rest * double(numitor));
    } else {
        double eroare = 2;
        const int maxim = int(std::pow(10, Fractie->CifreNumitor)) - 1;
        for (int d = 1; d <= maxim; ++d) {
            const qint64 n = std::llround(rest * d);
            const double e = std::abs(rest - double(n) / d);
            if (e < eroare) {
                eroare = e;
                numarator = n;
                numitor = d;
            }
        }
    }
    if (Fractie->CuIntregi && numarator == numitor) {
        ++intregi;
        numarator = 0;
    }
    const QString fractie = QStringLiteral("%1/%2").arg(numarator).arg(numitor);
    if (!Fractie->CuIntregi)
        return fractie;
    if (numarator == 0)
        return QString::number(intregi);
    return intregi == 0 ? fractie : QStringLiteral("%1 %2").arg(intregi).arg(fractie);
}

QString TSectiune::AplicaNumar(double v) const
{
    if (Fractie)
        return AplicaFractie(v);
    for (int k = 0; k < Procente; ++k)
        v *= 100;
    for (int k = 0; k < Scalare; ++k)
        v /= 1000;
    // Enough "%" signs take the largest numbers past what a double holds.
    if (!std::isfinite(v))
        return QStringLiteral("#NUM!");
    if (Intregi + Zecimale == 0) {
        QString rezultat;
        for (const TElement& e : Elemente)
            rezultat += e.Fel == TFel::Literal ? e.Text : e.Fel == TFel::General ? FormatGeneral(v)
                      : e.Fel == TFel::Procent ? QStringLiteral("%") : QString();
        return rezultat;
    }
    if (CuExponent)
        return AplicaExponent(v);
    QString intregi;
    QString fractie;
    CifreRotunjite(v, Zecimale, intregi, fractie);
    return ScrieCuLocuri(Elemente, intregi, fractie, Grupare);
}

QString TSectiune::AplicaExponent(double v) const
{
    const int m = std::max(Intregi, 1);
    bool inginer = false;
    for (const TElement& e : Elemente)
        if (e.Fel == TFel::Cifra) {
            inginer = e.Cifra == u'#' && m > 1;
            break;
        }
    int exponent = 0;
    QString intregi;
    QString fractie;
    if (v > 0) {
        int e = int(std::floor(std::log10(v)));
        for (int incercare = 0; incercare < 2; ++incercare) {
            exponent = inginer ? e - (((e % m) + m) % m) : e - (m - 1);
            CifreRotunjite(Mantisa(v, exponent), Zecimale, intregi, fractie);
            if (intregi.size() <= (inginer ? m : std::max(m, 1)))
                break;
            ++e;
        }
    } else {
        CifreRotunjite(0, Zecimale, intregi, fractie);
    }
    return ScrieCuLocuri(Elemente, intregi, fractie, false, QString::number(std::abs(exponent)), exponent < 0);
}

QString TSectiune::AplicaData(double v, bool sistem1904) const
{
    if (!(v >= 0) || v > SerialMaxim)
        return FormatGeneral(v);
    qint64 unitatiPeSecunda = 1;
    for (int k = 0; k < ZecimaleSecunda; ++k)
        unitatiPeSecunda *= 10;
    const qint64 unitatiPeZi = 86400 * unitatiPeSecunda;
    const qint64 total = CuOre ? qint64(std::llround(static_cast<long double>(v) * unitatiPeZi))
                               : qint64(std::floor(v)) * unitatiPeZi;
    const qint64 zile = total / unitatiPeZi;
    const qint64 rest = total % unitatiPeZi;
    const qint64 secunde = rest / unitatiPeSecunda;
    const qint64 totalSecunde = total / unitatiPeSecunda;
    const int ora = int(secunde / 3600);
    const int minut = int(secunde / 60 % 60);
    const int secunda = int(secunde % 60);

    bool ziuaZero = false;
    const bool februarie29 = !sistem1904 && zile == 60;
    const QDate data = februarie29 ? QDate(1900, 2, 28) : DataDinSerial(zile, sistem1904, ziuaZero);
    const int zi = februarie29 ? 29 : ziuaZero ? 0 : data.day();
    const int luna = data.month();
    const int an = data.year();
    bool amPm = false;
    for (const TElement& e : Elemente)
        amPm = amPm || e.Fel == TFel::AmPm;

    QString rezultat;
    for (const TElement& e : Elemente) {
        switch (e.Fel) {
        case TFel::Literal:
            rezultat += e.Text;
            break;
        case TFel::An:
            rezultat += e.Lungime <= 2 ? Completeaza(an % 100, 2) : QString::number(an);
            break;
        case TFel::Luna:
            if (e.Lungime <= 2)
                rezultat += Completeaza(luna, e.Lungime);
            else if (e.Lungime == 3)
                rezultat += QLatin1String(LuniScurte[luna - 1]);
            else if (e.Lungime == 4)
                rezultat += QLatin1String(LuniLungi[luna - 1]);
            else
                rezultat += QChar(LuniLungi[luna - 1][0]);
            break;
        case TFel::Zi:
            if (e.Lungime <= 2)
                rezultat += Completeaza(zi, e.Lungime);
            else
                rezultat += QString::fromUtf16((e.Lungime == 3 ? ZileScurte : ZileLungi)[data.dayOfWeek() - 1]);
            break;
        case TFel::Ora:
            rezultat += Completeaza(amPm ? (ora % 12 == 0 ? 12 : ora % 12) : ora, std::min(e.Lungime, 2));
            break;
        case TFel::Minut:
            rezultat += Completeaza(minut, std::min(e.Lungime, 2));
            break;
        case TFel::Secunda:
            rezultat += Completeaza(secunda, std::min(e.Lungime, 2));
            break;
        case TFel::FractieSecunda:
            rezultat += u',' + Completeaza(int(rest % unitatiPeSecunda), ZecimaleSecunda)
                                   .leftJustified(e.Lungime, u'0');
            break;
        case TFel::AmPm:
            rezultat += e.Lungime == 5 ? QString(ora < 12 ? QStringLiteral("AM") : QStringLiteral("PM"))
                                       : QString(ora < 12 ? QStringLiteral("A") : QStringLiteral("P"));
            break;
        case TFel::OreScurse:
            rezultat += Completeaza(int(std::min<qint64>(totalSecunde / 3600, 1 << 30)), e.Lungime);
            break;
        case TFel::MinuteScurse:
            rezultat += Completeaza(int(std::min<qint64>(totalSecunde / 60, 1 << 30)), e.Lungime);
            break;
        case TFel::SecundeScurse:
            rezultat += Completeaza(int(std::min<qint64>(totalSecunde, 1 << 30)), e.Lungime);
            break;
        case TFel::General:
            rezultat += FormatGeneral(v);
            break;
        default:
            break;
        }
    }
    return rezultat;
}

TFormatNumar::TFormatNumar(const QString& format)
{
    // Guards against absurd format strings: real ones are short.
    auto compilate = std::make_shared<TSectiuni>();
    const QStringList sectiuni = ImparteInSectiuni(format.left(1024));
    for (const QString& text : sectiuni.mid(0, 4)) {
        TSectiune s;
        if (EsteData(text)) {
            CompileazaData(text, s);
        } else {
            CompileazaNumar(text, s);
            s.Fractie = FormaFractie(text);
        }
        compilate->Lista.push_back(std::move(s));
    }
    m_sectiuni = std::move(compilate);
}

const TFormatNumar::TSectiune* TFormatNumar::SectiuneaPentru(double v, bool& faraSemn) const
{
    faraSemn = false;
    const std::vector<TSectiune>& sectiuni = m_sectiuni->Lista;
    const size_t n = sectiuni.size();
    const bool cuConditii = sectiuni[0].Conditie || (n > 1 && sectiuni[1].Conditie);
    if (cuConditii) {
        if (sectiuni[0].Conditie && sectiuni[0].Conditie->Adevarata(v))
            return &sectiuni[0];
        if (n > 1 && (!sectiuni[1].Conditie || sectiuni[1].Conditie->Adevarata(v)))
            return &sectiuni[1];
        return n > 2 ? &sectiuni[2] : nullptr;
    }
    if (n == 1 || v > 0)
        return &sectiuni[0];
    if (v < 0) {
        faraSemn = true;
        return &sectiuni[1];
    }
    return n > 2 ? &sectiuni[2] : &sectiuni[0];
}

QString TFormatNumar::Aplica(double valoare, bool sistem1904) const
{
    if (!std::isfinite(valoare))
        return QStringLiteral("#NUM!");
    bool faraSemn = false;
    const TSectiune* s = SectiuneaPentru(valoare, faraSemn);
    if (!s)
        return FormatGeneral(valoare);
    if (s->Data)
        return s->Aplica(valoare, sistem1904);
    const QString text = s->Aplica(std::abs(valoare), sistem1904);
    return valoare < 0 && !faraSemn ? u'-' + text : text;
}

namespace {
void CifreRotunjitePana30(double valoare, int zecimale, QString& intregi, QString& fractie);
} // namespace

void CifreRotunjite(double valoare, int zecimale, QString& intregi, QString& fractie)
{
    // Past 30 decimals a double has only zeros to give: they are written, not computed.
    const int cerute = std::max(zecimale, 0);
    zecimale = std::min(cerute, 30);
    CifreRotunjitePana30(valoare, zecimale, intregi, fractie);
    fractie = fractie.leftJustified(cerute, u'0');
}

namespace {

void CifreRotunjitePana30(double valoare, int zecimale, QString& intregi, QString& fractie)
{
    if (!(valoare > 0) || !std::isfinite(valoare)) {
        intregi.clear();
        fractie = QString(zecimale, u'0');
        return;
    }
    if (valoare < 1e15 && valoare == std::floor(valoare)) {
        intregi = QString::number(qint64(valoare));
        fractie = QString(zecimale, u'0');
        return;
    }
    // Taking the value to 15 digits first only matters when it lies next to a half of the
    // last kept digit; anywhere else the nearest whole number is the answer.
    static const double Puteri[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10};
    if (zecimale <= 10) {
        const double scalat = valoare * Puteri[zecimale];
        const double intreg = std::nearbyint(scalat);
        if (intreg < 1e15 && std::abs(std::abs(scalat - intreg) - 0.5) > scalat * 1e-13 + 1e-9) {
            const QString toate = QString::number(qint64(intreg)).rightJustified(zecimale + 1, u'0');
            intregi = toate.left(toate.size() - zecimale);
            fractie = toate.right(zecimale);
            if (intregi == QLatin1String("0"))
                intregi.clear();
            return;
        }
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.14e", valoare);
    QByteArray cifre;
    cifre.append(text[0]);
    cifre.append(text + 2, 14);
    int e = std::atoi(text + 17);
    const int pastrate = e + 1 + zecimale;
    if (pastrate < 0) {
        cifre.clear();
    } else if (pastrate < cifre.size()) {
        const bool inSus = cifre.at(pastrate) >= '5';
        cifre.truncate(pastrate);
        int k = pastrate - 1;
        for (; inSus && k >= 0; --k) {
            if (cifre[k] == '9') {
                cifre[k] = '0';
                continue;
            }
            ++cifre[k];
            break;
        }
        if (inSus && k < 0) {
            cifre.prepend('1');
            ++e;
        }
    }
    const int numarIntregi = e + 1;
    QString toate = QString::fromLatin1(cifre);
    if (numarIntregi > 0) {
        toate = toate.leftJustified(numarIntregi + zecimale, u'0', true);
        intregi = toate.left(numarIntregi);
        fractie = toate.mid(numarIntregi);
    } else {
        intregi.clear();
        fractie = (QString(-numarIntregi, u'0') + toate).leftJustified(zecimale, u'0', true);
    }
    int zerouri = 0;
    while (zerouri < intregi.size() && intregi.at(zerouri) == u'0')
        ++zerouri;
    intregi.remove(0, zerouri);
}

} // namespace

QString FormatGeneral(double valoare)
{
    if (!std::isfinite(valoare))
        return QStringLiteral("#NUM!");
    if (valoare == 0)
        return QStringLiteral("0");
    const QString semn = valoare < 0 ? QStringLiteral("-") : QString();
    const double a = std::abs(valoare);
    if (a < 1e11 && a == std::floor(a))
        return semn + QString::number(qint64(a));
    // The decimal exponent of the value taken to 15 digits: 9.9999999999999995 counts as 10.
    int e = int(std::floor(std::log10(a)));
    if (a >= std::pow(10.0, e + 1) * (1 - 1e-15))
        ++e;
    if (e < 11 && e > -5) {
        const int numarIntregi = std::max(e + 1, 1);
        QString intregi;
        QString fractie;
        CifreRotunjite(a, 10 - numarIntregi, intregi, fractie);
        if (intregi.size() <= 11) {
            while (fractie.endsWith(u'0'))
                fractie.chop(1);
            return semn + (intregi.isEmpty() ? QStringLiteral("0") : intregi) +
                   (fractie.isEmpty() ? QString() : u',' + fractie);
        }
    }
    // Scientific: a mantissa of at most 6 digits, fewer when the exponent has three.
    const double exponentAprox = std::floor(std::log10(a));
    int exponent = int(exponentAprox);
    const int zecimale = std::min(std::abs(exponent) >= 100 ? 4 : 5, ZecimaleSemnificative(a));
    QString intregi;
    QString fractie;
    CifreRotunjite(Mantisa(a, exponent), zecimale, intregi, fractie);
    if (intregi.size() > 1) {
        ++exponent;
        CifreRotunjite(Mantisa(a, exponent), zecimale, intregi, fractie);
    } else if (intregi.isEmpty()) {
        --exponent;
        CifreRotunjite(Mantisa(a, exponent), zecimale, intregi, fractie);
    }
    while (fractie.endsWith(u'0'))
        fractie.chop(1);
    return semn + intregi + (fractie.isEmpty() ? QString() : u',' + fractie) + QStringLiteral("E") +
           (exponent < 0 ? u'-' : u'+') + Completeaza(std::abs(exponent), 2);
}

QString FormatIncorporat(int id)
{
    static const QHash<int, QString> formate = {
        {0, QStringLiteral("General")},
        {1, QStringLiteral("0")},
        {2, QStringLiteral("0.00")},
        {3, QStringLiteral("#,##0")},
        {4, QStringLiteral("#,##0.00")},
        {5, QStringLiteral("#,##0 \"lei\";-#,##0 \"lei\"")},
        {6, QStringLiteral("#,##0 \"lei\";[Red]-#,##0 \"lei\"")},
        {7, QStringLiteral("#,##0.00 \"lei\";-#,##0.00 \"lei\"")},
        {8, QStringLiteral("#,##0.00 \"lei\";[Red]-#,##0.00 \"lei\"")},
        {9, QStringLiteral("0%")},
        {10, QStringLiteral("0.00%")},
        {11, QStringLiteral("0.00E+00")},
        {12, QStringLiteral("# ?/?")},
        {13, QStringLiteral("# ?" "?/?" "?")},
        {14, QStringLiteral("dd.mm.yyyy")},
        {15, QStringLiteral("d-mmm-yy")},
        {16, QStringLiteral("d-mmm")},
        {17, QStringLiteral("mmm-yy")},
        {18, QStringLiteral("h:mm AM/PM")},
        {19, QStringLiteral("h:mm:ss AM/PM")},
        {20, QStringLiteral("h:mm")},
        {21, QStringLiteral("h:mm:ss")},
        {22, QStringLiteral("dd.mm.yyyy h:mm")},
        {37, QStringLiteral("#,##0 ;(#,##0)")},
        {38, QStringLiteral("#,##0 ;[Red](#,##0)")},
        {39, QStringLiteral("#,##0.00;(#,##0.00)")},
        {40, QStringLiteral("#,##0.00;[Red](#,##0.00)")},
        {41, QStringLiteral("_-* #,##0_-;-* #,##0_-;_-* \"-\"_-;_-@_-")},
        {42, QStringLiteral("_-* #,##0 \"lei\"_-;-* #,##0 \"lei\"_-;_-* \"-\" \"lei\"_-;_-@_-")},
        {43, QStringLiteral("_-* #,##0.00_-;-* #,##0.00_-;_-* \"-\"?" "?_-;_-@_-")},
        {44, QStringLiteral("_-* #,##0.00 \"lei\"_-;-* #,##0.00 \"lei\"_-;_-* \"-\"?" "? \"lei\"_-;_-@_-")},
        {45, QStringLiteral("mm:ss")},
        {46, QStringLiteral("[h]:mm:ss")},
        {47, QStringLiteral("mm:ss.0")},
        {48, QStringLiteral("##0.0E+0")},
        {49, QStringLiteral("@")},
    };
    // 27 to 36 are East Asian date formats: a Romanian system shows them as the short date.
    if (id >= 27 && id <= 36)
        return formate.value(14);
    return formate.value(id, QStringLiteral("General"));
}
