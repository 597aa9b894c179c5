#include "certificat/fluxetichete.h"

#include "base/eroare.h"

#include <QStringDecoder>
#include <algorithm>

namespace {

enum Eticheta : quint8 { Int8 = 2, Int16 = 3, Int32 = 4, SirScurt = 6, SirLung = 12, SirUtf16 = 18, SirUtf8 = 20 };

bool DoarAscii(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 128; });
}

} // namespace

void TScriitorEtichete::Numar(qint64 valoare, int octeti)
{
    for (int i = 0; i < octeti; ++i)
        m_octeti.append(static_cast<char>((valoare >> (8 * i)) & 0xFF));
}

void TScriitorEtichete::Intreg(int valoare)
{
    if (valoare >= -128 && valoare <= 127) {
        m_octeti.append(static_cast<char>(Int8));
        Numar(valoare, 1);
    } else if (valoare >= -32768 && valoare <= 32767) {
        m_octeti.append(static_cast<char>(Int16));
        Numar(valoare, 2);
    } else {
        m_octeti.append(static_cast<char>(Int32));
        Numar(valoare, 4);
    }
}

void TScriitorEtichete::Sir(const QString& valoare)
{
    const QByteArray octeti = DoarAscii(valoare) ? valoare.toLatin1() : valoare.toUtf8();
    if (!DoarAscii(valoare)) {
        m_octeti.append(static_cast<char>(SirUtf8));
        Numar(octeti.size(), 4);
    } else if (octeti.size() < 256) {
        m_octeti.append(static_cast<char>(SirScurt));
        Numar(octeti.size(), 1);
    } else {
        m_octeti.append(static_cast<char>(SirLung));
        Numar(octeti.size(), 4);
    }
    m_octeti.append(octeti);
}

QByteArray TCititorEtichete::Octeti(qint64 numar)
{
    if (numar < 0 || m_pozitie + numar > m_octeti.size())
        throw EEroare(QStringLiteral("Eroare la citire: fisierul se termina prea devreme."));
    const QByteArray rezultat = m_octeti.mid(m_pozitie, numar);
    m_pozitie += numar;
    return rezultat;
}

quint8 TCititorEtichete::Eticheta()
{
    return static_cast<quint8>(Octeti(1).at(0));
}

qint64 TCititorEtichete::Numar(int octeti)
{
    const QByteArray date = Octeti(octeti);
    quint64 valoare = 0;
    for (int i = 0; i < octeti; ++i)
        valoare |= quint64(quint8(date.at(i))) << (8 * i);
    // Sign-extend from the width that was read.
    const int deplasare = 64 - 8 * octeti;
    return static_cast<qint64>(valoare << deplasare) >> deplasare;
}

void TCititorEtichete::EroareEticheta(quint8 eticheta) const
{
    throw EEroare(QStringLiteral("Eroare la citire: valoare de tip %1 neasteptata la pozitia %2.")
                      .arg(eticheta)
                      .arg(m_pozitie - 1));
}

int TCititorEtichete::Intreg()
{
    switch (const quint8 eticheta = Eticheta()) {
    case Int8: return static_cast<int>(Numar(1));
    case Int16: return static_cast<int>(Numar(2));
    case Int32: return static_cast<int>(Numar(4));
    default: EroareEticheta(eticheta);
    }
}

QString TCititorEtichete::Sir()
{
    switch (const quint8 eticheta = Eticheta()) {
    case SirScurt:
    case SirLung: {
        // Bytes of the system code page; plain ASCII as the program writes them.
        QStringDecoder cp1250("windows-1250");
        return cp1250(Octeti(Numar(eticheta == SirScurt ? 1 : 4)));
    }
    case SirUtf8: return QString::fromUtf8(Octeti(Numar(4)));
    case SirUtf16: {
        const QByteArray date = Octeti(2 * Numar(4));
        QStringDecoder utf16(QStringDecoder::Utf16LE);
        return utf16(date);
    }
    default: EroareEticheta(eticheta);
    }
}
