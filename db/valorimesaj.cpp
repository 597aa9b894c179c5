#include "db/valorimesaj.h"

#include "base/eroare.h"
#include "db/starefirebird.h"

#include <cmath>
#include <cstring>
#include <limits>

using namespace Firebird;

namespace {

// Bytes a character takes at most in the character set of a text column.
unsigned OctetiPeCaracter(unsigned setCaractere)
{
    switch (setCaractere) {
    case 4: return 4;  // UTF8
    case 3: return 3;  // UNICODE_FSS, the catalogue's
    default: return 1;
    }
}

template <typename T>
void Scrie(unsigned char* loc, T valoare)
{
    std::memcpy(loc, &valoare, sizeof valoare);
}

template <typename T>
T Citeste(const unsigned char* loc)
{
    T valoare;
    std::memcpy(&valoare, loc, sizeof valoare);
    return valoare;
}

double PutereZece(int exponent)
{
    return std::pow(10.0, exponent);
}

class TScriereParametru {
public:
    TScriereParametru(const TDescriereValoare& d, const QString& nume, const QString& interogare)
        : m_d(d), m_nume(nume), m_interogare(interogare)
    {
    }

    void Scrie(unsigned char* mesaj, const QVariant& valoare) const
    {
        unsigned char* loc = mesaj + m_d.Pozitie;
        switch (m_d.Tip) {
        case SQL_VARYING: {
            const QByteArray octeti = Text(valoare);
            ::Scrie<quint16>(loc, quint16(octeti.size()));
            std::memcpy(loc + 2, octeti.constData(), std::size_t(octeti.size()));
            break;
        }
        case SQL_TEXT: {
            const QByteArray octeti = Text(valoare);
            std::memset(loc, ' ', m_d.Lungime);
            std::memcpy(loc, octeti.constData(), std::size_t(octeti.size()));
            break;
        }
        case SQL_SHORT: ::Scrie<qint16>(loc, qint16(Intreg(valoare, std::numeric_limits<qint16>::max()))); break;
        case SQL_LONG: ::Scrie<qint32>(loc, qint32(Intreg(valoare, std::numeric_limits<qint32>::max()))); break;
        case SQL_INT64: ::Scrie<qint64>(loc, Intreg(valoare, std::numeric_limits<qint64>::max())); break;
        case SQL_FLOAT: ::Scrie<float>(loc, float(Numar(valoare))); break;
        case SQL_DOUBLE: ::Scrie<double>(loc, Numar(valoare)); break;
        case SQL_BOOLEAN: ::Scrie<unsigned char>(loc, valoare.toBool() ? 1 : 0); break;
        case SQL_NULL: break;
        default:
            throw EEroare(QStringLiteral("%1: parametrul %2 are un tip pe care programul nu il foloseste (%3).")
                              .arg(m_interogare, m_nume)
                              .arg(m_d.Tip));
        }
    }

private:
    QByteArray Text(const QVariant& valoare) const
    {
        const QString text = valoare.toString();
        const QByteArray octeti = text.toUtf8();
        const unsigned maxim = m_d.Lungime / OctetiPeCaracter(m_d.SetCaractere);
        const qsizetype caractere = text.toUcs4().size();
        if (caractere > qsizetype(maxim) || octeti.size() > qsizetype(m_d.Lungime))
            throw EEroare(QStringLiteral("%1: textul pentru %2 are %3 caractere, iar baza de date pastreaza cel mult %4.")
                              .arg(m_interogare, m_nume)
                              .arg(caractere)
                              .arg(maxim));
        return octeti;
    }

    double Numar(const QVariant& valoare) const
    {
        bool ok = false;
        const double numar = valoare.toString().trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(numar))
            throw EEroare(QStringLiteral("%1: '%2' nu este un numar valid pentru %3.")
                              .arg(m_interogare, valoare.toString(), m_nume));
        return numar;
    }

    // An integer column, or a numeric one stored as an integer of its scale.
    qint64 Intreg(const QVariant& valoare, qint64 maxim) const
    {
        double scalat = 0;
        if (m_d.Scala == 0) {
            bool ok = false;
            const qint64 intreg = valoare.toString().trimmed().toLongLong(&ok);
            if (ok && intreg <= maxim && intreg >= -maxim - 1)
                return intreg;
            scalat = Numar(valoare);
        } else {
            scalat = Numar(valoare) * PutereZece(-m_d.Scala);
        }
        const double rotunjit = std::round(scalat);
        if (m_d.Scala == 0 && rotunjit != scalat)
            throw EEroare(QStringLiteral("%1: '%2' nu este un numar intreg valid pentru %3.")
                              .arg(m_interogare, valoare.toString(), m_nume));
        if (rotunjit > double(maxim) || rotunjit < -double(maxim) - 1)
            throw EEroare(QStringLiteral("%1: numarul %2 este prea mare pentru %3.")
                              .arg(m_interogare, valoare.toString(), m_nume));
        return qint64(rotunjit);
    }

    const TDescriereValoare& m_d;
    const QString& m_nume;
    const QString& m_interogare;
};

QVariant Intreg(qint64 valoare, int scala)
{
    if (scala == 0)
        return QVariant(valoare);
    return QVariant(double(valoare) * PutereZece(scala));
}

} // namespace

std::vector<TDescriereValoare> DescriereMesaj(IMessageMetadata& descriere)
{
    TStare stare;
    std::vector<TDescriereValoare> valori;
    const unsigned numar = descriere.getCount(&stare);
    for (unsigned i = 0; i < numar; ++i)
        valori.push_back({descriere.getType(&stare, i) & ~1u, descriere.getLength(&stare, i),
                          descriere.getScale(&stare, i), descriere.getCharSet(&stare, i),
                          descriere.getOffset(&stare, i), descriere.getNullOffset(&stare, i)});
    return valori;
}

void ScrieParametru(const TDescriereValoare& d, unsigned char* mesaj, const QVariant& valoare,
                    const QString& numeParametru, const QString& interogare)
{
    const bool nul = valoare.isNull() && valoare.typeId() != QMetaType::QString;
    ::Scrie<qint16>(mesaj + d.PozitieNull, nul ? -1 : 0);
    if (!nul)
        TScriereParametru(d, numeParametru, interogare).Scrie(mesaj, valoare);
}

QVariant CitesteColoana(const TDescriereValoare& d, const unsigned char* mesaj)
{
    if (Citeste<qint16>(mesaj + d.PozitieNull) != 0)
        return QVariant();
    const unsigned char* loc = mesaj + d.Pozitie;
    switch (d.Tip) {
    case SQL_VARYING:
        return QString::fromUtf8(reinterpret_cast<const char*>(loc + 2), Citeste<quint16>(loc));
    case SQL_TEXT: {
        QString text = QString::fromUtf8(reinterpret_cast<const char*>(loc), d.Lungime);
        // UTF-8 pads a CHAR(n) to the bytes of n widest characters; the column holds n.
        const int caractere = int(d.Lungime / OctetiPeCaracter(d.SetCaractere));
        if (text.size() > caractere)
            text.truncate(caractere);
        return text;
    }
    case SQL_SHORT: return Intreg(Citeste<qint16>(loc), d.Scala);
    case SQL_LONG: return d.Scala == 0 ? QVariant(int(Citeste<qint32>(loc))) : Intreg(Citeste<qint32>(loc), d.Scala);
    case SQL_INT64: return Intreg(Citeste<qint64>(loc), d.Scala);
    case SQL_FLOAT: return QVariant(double(Citeste<float>(loc)));
    case SQL_DOUBLE: return QVariant(Citeste<double>(loc));
    case SQL_BOOLEAN: return QVariant(*loc != 0);
    default:
        throw EEroare(QStringLiteral("O coloana are un tip pe care programul nu il citeste (%1).").arg(d.Tip));
    }
}
