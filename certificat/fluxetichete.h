#pragma once

#include <QByteArray>
#include <QString>

// The tagged binary values of the overrides file: a tag byte, then the value. Integers take
// the shortest of 1, 2 or 4 bytes (tags 2, 3, 4); strings are ASCII with a 1-byte (tag 6)
// or 4-byte (tag 12) length, or UTF-8 (tag 20) when they hold any other letter. Readers
// also take UTF-16 (tag 18). Numbers are little-endian.
class TScriitorEtichete {
public:
    void Intreg(int valoare);
    void Sir(const QString& valoare);
    const QByteArray& Octeti() const { return m_octeti; }

private:
    void Numar(qint64 valoare, int octeti);
    QByteArray m_octeti;
};

// Reads tagged values; a tag not accepted at that place or a premature end raises EEroare.
class TCititorEtichete {
public:
    explicit TCititorEtichete(const QByteArray& octeti) : m_octeti(octeti) {}
    int Intreg();
    QString Sir();

private:
    quint8 Eticheta();
    qint64 Numar(int octeti);
    QByteArray Octeti(qint64 numar);
    [[noreturn]] void EroareEticheta(quint8 eticheta) const;

    const QByteArray& m_octeti;
    qint64 m_pozitie = 0;
};
