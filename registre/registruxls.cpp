#include "registre/registruxls.h"

#include "registre/eroriregistru.h"
#include "registre/textcelula.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input.h>

#include <cstring>
#include <memory>

namespace {

// A record or a string that ends before its declared length.
struct EScurt {};
// More shared strings than a sheet may have cells: a small file claiming a huge table.
struct EPreaMulte {};

enum : quint16 {
    BOF = 0x0809, EOF_ = 0x000A, BOUNDSHEET = 0x0085, CODEPAGE = 0x0042, DATEMODE = 0x0022,
    FILEPASS = 0x002F, FORMAT = 0x041E, XF = 0x00E0, SST = 0x00FC, CONTINUE = 0x003C,
    LABELSST = 0x00FD, LABEL = 0x0204, RSTRING = 0x00D6, NUMBER = 0x0203, RK = 0x027E,
    MULRK = 0x00BD, BLANK = 0x0201, MULBLANK = 0x00BE, FORMULA = 0x0006, STRING = 0x0207,
    BOOLERR = 0x0205
};

struct TGObject {
    void operator()(void* p) const
    {
        if (p)
            g_object_unref(p);
    }
};
using PInput = std::unique_ptr<GsfInput, TGObject>;
using PInfile = std::unique_ptr<GsfInfile, TGObject>;

// libgsf reports every damaged compound file on standard error; we report it once, in Romanian.
void TaceMesajeleLibgsf()
{
    static const bool facut = [] {
        g_log_set_handler("libgsf:msole", GLogLevelFlags(G_LOG_LEVEL_MASK), [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr);
        g_log_set_handler("libgsf", GLogLevelFlags(G_LOG_LEVEL_MASK), [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr);
        // Some of its warnings about damaged files carry no domain; nothing else here logs through GLib.
        g_log_set_handler(nullptr, GLogLevelFlags(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_MESSAGE),
                          [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr);
        return true;
    }();
    Q_UNUSED(facut);
}

GsfInput* Copil(GsfInfile* ole, const char* nume)
{
    const int n = gsf_infile_num_children(ole);
    for (int i = 0; i < n; ++i) {
        const char* numeCopil = gsf_infile_name_by_index(ole, i);
        if (numeCopil && g_ascii_strcasecmp(numeCopil, nume) == 0)
            return gsf_infile_child_by_index(ole, i);
    }
    return nullptr;
}

quint16 U16(QByteArrayView d, qsizetype o)
{
    if (o < 0 || o + 2 > d.size())
        throw EScurt{};
    return quint16(quint8(d[o]) | quint8(d[o + 1]) << 8);
}

quint32 U32(QByteArrayView d, qsizetype o)
{
    return U16(d, o) | quint32(U16(d, o + 2)) << 16;
}

double F64(QByteArrayView d, qsizetype o)
{
    if (o < 0 || o + 8 > d.size())
        throw EScurt{};
    double v;
    std::memcpy(&v, d.data() + o, 8);
    return v;
}

double DinRk(quint32 rk)
{
    double v;
    if (rk & 2) {
        v = double(qint32(rk) >> 2);
    } else {
        const quint64 biti = quint64(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&v, &biti, 8);
    }
    return (rk & 1) ? v / 100 : v;
}

// cch characters from o: one byte each (UTF-16 with the high byte left out) or two.
QString Caractere(QByteArrayView d, qsizetype o, int cch, bool lati)
{
    const qsizetype lungime = qsizetype(cch) * (lati ? 2 : 1);
    if (o < 0 || o + lungime > d.size())
        throw EScurt{};
    if (!lati)
        return QString::fromLatin1(d.data() + o, cch);
    QString text(cch, Qt::Uninitialized);
    for (int k = 0; k < cch; ++k)
        text[k] = QChar(U16(d, o + 2 * k));
    return text;
}

// XLUnicodeString (a 16-bit count) or ShortXLUnicodeString (an 8-bit count), without runs.
QString SirUnicode(QByteArrayView d, qsizetype o, bool numarScurt)
{
    const int cch = numarScurt ? quint8(d.size() > o ? d[o] : throw EScurt{}) : U16(d, o);
    o += numarScurt ? 1 : 2;
    if (o >= d.size())
        throw EScurt{};
    const quint8 steaguri = quint8(d[o]);
    qsizetype inceput = o + 1;
    if (steaguri & 0x08)
        inceput += 2;
    if (steaguri & 0x04)
        inceput += 4;
    return Caractere(d, inceput, cch, steaguri & 1);
}

struct TInregistrare {
    quint16 Tip = 0;
    QByteArrayView Date;
};

// Steps through the records of the stream, each length checked against what is left.
class TFluxBiff {
public:
    TFluxBiff(const QByteArray& flux, qint64 pozitie) : m_flux(flux), m_pozitie(pozitie) {}

    bool Urmatoarea(TInregistrare& r)
    {
        if (m_pozitie < 0 || m_pozitie + 4 > m_flux.size())
            return false;
        r.Tip = U16(m_flux, m_pozitie);
        const quint16 lungime = U16(m_flux, m_pozitie + 2);
        if (m_pozitie + 4 + lungime > m_flux.size())
            throw EScurt{};
        r.Date = QByteArrayView(m_flux.constData() + m_pozitie + 4, lungime);
        m_pozitie += 4 + lungime;
        return true;
    }
    quint16 TipUrmator() const
    {
        return m_pozitie + 4 <= m_flux.size() ? U16(m_flux, m_pozitie) : 0;
    }

private:
    const QByteArray& m_flux;
    qint64 m_pozitie;
};

// The shared strings: the SST record and its CONTINUE records read as one, where a string's
// characters that go on in the next record start with a fresh flags byte.
class TSiruriSst {
public:
    explicit TSiruriSst(std::vector<QByteArrayView> bucati) : m_bucati(std::move(bucati)) {}

    QStringList Citeste()
    {
        Sari(4);
        const quint32 unice = U32Continuu();
        QStringList siruri;
        while (siruri.size() < qsizetype(unice) && !LaSfarsit()) {
            if (siruri.size() >= TFoaie::CeluleMaxime)
                throw EPreaMulte{};
            siruri << TextCuratat(Sir());
        }
        return siruri;
    }

private:
    bool LaSfarsit()
    {
        while (m_bucata < m_bucati.size() && m_pozitie >= m_bucati[m_bucata].size()) {
            ++m_bucata;
            m_pozitie = 0;
        }
        return m_bucata >= m_bucati.size();
    }
    quint8 Octet()
    {
        if (LaSfarsit())
            throw EScurt{};
        return quint8(m_bucati[m_bucata][m_pozitie++]);
    }
    quint16 U16Continuu()
    {
        const quint8 mic = Octet();
        return quint16(mic | Octet() << 8);
    }
    quint32 U32Continuu()
    {
        quint32 v = 0;
        for (int k = 0; k < 4; ++k)
            v |= quint32(Octet()) << (8 * k);
        return v;
    }
    void Sari(qint64 n)
    {
        while (n > 0) {
            if (LaSfarsit())
                throw EScurt{};
            const qint64 pas = std::min<qint64>(n, m_bucati[m_bucata].size() - m_pozitie);
            m_pozitie += pas;
            n -= pas;
        }
    }
    QString Sir()
    {
        const int cch = U16Continuu();
        quint8 steaguri = Octet();
        const int runde = (steaguri & 0x08) ? U16Continuu() : 0;
        const qint64 extins = (steaguri & 0x04) ? qint32(U32Continuu()) : 0;
        QString text;
        text.reserve(cch);
        while (text.size() < cch) {
            if (m_bucata < m_bucati.size() && m_pozitie >= m_bucati[m_bucata].size()) {
                ++m_bucata;
                m_pozitie = 0;
                steaguri = Octet();
            }
            if (steaguri & 1)
                text += QChar(char16_t(U16Continuu()));
            else
                text += QChar(char16_t(Octet()));
        }
        Sari(qint64(runde) * 4 + std::max<qint64>(extins, 0));
        return text;
    }

    std::vector<QByteArrayView> m_bucati;
    size_t m_bucata = 0;
    qsizetype m_pozitie = 0;
};

} // namespace

QByteArray FluxRegistruXls(const QByteArray& octeti, const QString& numeFisier)
{
    TaceMesajeleLibgsf();
    PInput intrare(gsf_input_memory_new(reinterpret_cast<const guint8*>(octeti.constData()), octeti.size(), FALSE));
    GError* eroare = nullptr;
    PInfile ole(gsf_infile_msole_new(intrare.get(), &eroare));
    if (eroare)
        g_error_free(eroare);
    if (!ole)
        throw EroriRegistru::Deteriorat(numeFisier);
    if (PInput(Copil(ole.get(), "EncryptionInfo")) || PInput(Copil(ole.get(), "EncryptedPackage")))
        throw EroriRegistru::Parola(numeFisier);
    PInput flux(Copil(ole.get(), "Workbook"));
    if (!flux) {
        if (PInput(Copil(ole.get(), "Book")))
            throw EroriRegistru::Excel95(numeFisier);
        throw EroriRegistru::Necunoscut(numeFisier);
    }
    const gsf_off_t marime = gsf_input_size(flux.get());
    if (marime < 0 || marime > EroriRegistru::OctetiMaximiParte)
        throw EroriRegistru::PreaMare(numeFisier);
    QByteArray date(qsizetype(marime), Qt::Uninitialized);
    if (marime > 0 && !gsf_input_read(flux.get(), size_t(marime), reinterpret_cast<guint8*>(date.data())))
        throw EroriRegistru::Deteriorat(numeFisier);
    return date;
}

TRegistruXls::TRegistruXls(const QByteArray& octeti, const QString& numeFisier)
    : m_numeFisier(numeFisier)
    , m_flux(FluxRegistruXls(octeti, numeFisier))
{
    try {
        CitesteGlobale();
    } catch (const EScurt&) {
        throw EroriRegistru::Deteriorat(m_numeFisier);
    }
    if (m_foi.empty())
        throw EroriRegistru::FaraFoi(m_numeFisier);
}

void TRegistruXls::CitesteGlobale()
{
    TFluxBiff flux(m_flux, 0);
    TInregistrare r;
    if (!flux.Urmatoarea(r))
        throw EScurt{};
    if (r.Tip == 0x0409 || r.Tip == 0x0209 || r.Tip == 0x0009 || (r.Tip == BOF && U16(r.Date, 0) != 0x0600))
        throw EroriRegistru::Excel95(m_numeFisier);
    if (r.Tip != BOF)
        throw EroriRegistru::Deteriorat(m_numeFisier);
    while (flux.Urmatoarea(r) && r.Tip != EOF_) {
        switch (r.Tip) {
        case FILEPASS:
            throw EroriRegistru::Parola(m_numeFisier);
        case DATEMODE:
            m_sistem1904 = U16(r.Date, 0) != 0;
            break;
        case FORMAT:
            m_formate.insert(U16(r.Date, 0), SirUnicode(r.Date, 2, false));
            break;
        case XF:
            if (m_formatStil.size() < 65536)
                m_formatStil.push_back(U16(r.Date, 2));
            break;
        case BOUNDSHEET:
            if (r.Date.size() > 5 && quint8(r.Date[5]) == 0)
                m_foi.push_back({SirUnicode(r.Date, 6, true), U32(r.Date, 0)});
            break;
        case SST: {
            std::vector<QByteArrayView> bucati{r.Date};
            while (flux.TipUrmator() == CONTINUE && flux.Urmatoarea(r))
                bucati.push_back(r.Date);
            try {
                m_siruri = TSiruriSst(std::move(bucati)).Citeste();
            } catch (const EScurt&) {
                throw EroriRegistru::Deteriorat(m_numeFisier);
            } catch (const EPreaMulte&) {
                throw EroriRegistru::PreaMare(m_numeFisier);
            }
            break;
        }
        default:
            break;
        }
    }
}

QStringList TRegistruXls::Foi() const
{
    QStringList nume;
    for (const TFoaieXls& f : m_foi)
        nume << f.Nume;
    return nume;
}

QString TRegistruXls::TextNumar(double valoare, int stil)
{
    const int id = stil >= 0 && size_t(stil) < m_formatStil.size() ? m_formatStil[size_t(stil)] : 0;
    auto it = m_compilate.find(id);
    if (it == m_compilate.end())
        it = m_compilate.insert(id, TFormatNumar(m_formate.contains(id) ? m_formate.value(id) : FormatIncorporat(id)));
    return TextNumeric(valoare, *it, m_sistem1904);
}

TFoaie TRegistruXls::CitesteFoaie(int indice)
{
    TFoaie foaie(m_foi[size_t(indice)].Nume);
    try {
        CitesteFoaia(m_foi[size_t(indice)].Pozitie, foaie);
    } catch (const EScurt&) {
        throw EroriRegistru::Deteriorat(m_numeFisier);
    }
    return foaie;
}

void TRegistruXls::CitesteFoaia(qint64 pozitie, TFoaie& foaie)
{
    TFluxBiff flux(m_flux, pozitie);
    TInregistrare r;
    if (!flux.Urmatoarea(r) || r.Tip != BOF)
        throw EScurt{};
    int randFormula = -1;
    int coloanaFormula = -1;
    while (flux.Urmatoarea(r) && r.Tip != EOF_) {
        const QByteArrayView d = r.Date;
        switch (r.Tip) {
        case LABELSST: {
            const quint32 k = U32(d, 6);
            foaie.Pune(U16(d, 0), U16(d, 2), k < quint32(m_siruri.size()) ? m_siruri.at(qsizetype(k)) : QString());
            break;
        }
        case LABEL:
        case RSTRING:
            foaie.Pune(U16(d, 0), U16(d, 2), SirUnicode(d, 6, false));
            break;
        case NUMBER:
            foaie.Pune(U16(d, 0), U16(d, 2), TextNumar(F64(d, 6), U16(d, 4)));
            break;
        case RK:
            foaie.Pune(U16(d, 0), U16(d, 2), TextNumar(DinRk(U32(d, 6)), U16(d, 4)));
            break;
        case MULRK: {
            const int rand = U16(d, 0);
            const int prima = U16(d, 2);
            const int numar = int((d.size() - 6) / 6);
            for (int k = 0; k < numar; ++k)
                foaie.Pune(rand, prima + k, TextNumar(DinRk(U32(d, 4 + 6 * k + 2)), U16(d, 4 + 6 * k)));
            break;
        }
        case BOOLERR: {
            if (d.size() < 8)
                throw EScurt{};
            const quint8 valoare = quint8(d[6]);
            QString text;
            if (d[7] == 0)
                text = valoare ? QStringLiteral("ADEVĂRAT") : QStringLiteral("FALS");
            else
                text = valoare == 0x07 ? QStringLiteral("#DIV/0!") : valoare == 0x0F ? QStringLiteral("#VALUE!")
                     : valoare == 0x17 ? QStringLiteral("#REF!") : valoare == 0x1D ? QStringLiteral("#NAME?")
                     : valoare == 0x24 ? QStringLiteral("#NUM!") : valoare == 0x2A ? QStringLiteral("#N/A")
                     : QStringLiteral("#NULL!");
            foaie.Pune(U16(d, 0), U16(d, 2), text);
            break;
        }
        case FORMULA: {
            const int rand = U16(d, 0);
            const int coloana = U16(d, 2);
            if (U16(d, 12) != 0xFFFF) {
                foaie.Pune(rand, coloana, TextNumar(F64(d, 6), U16(d, 4)));
            } else if (quint8(d[6]) == 0) {
                randFormula = rand;  // the text follows in a STRING record
                coloanaFormula = coloana;
            } else if (quint8(d[6]) == 1) {
                foaie.Pune(rand, coloana, d[8] ? QStringLiteral("ADEVĂRAT") : QStringLiteral("FALS"));
            }
            break;
        }
        case STRING:
            if (randFormula >= 0)
                foaie.Pune(randFormula, coloanaFormula, SirUnicode(d, 0, false));
            randFormula = -1;
            break;
        default:
            break;
        }
    }
}
