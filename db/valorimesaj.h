#pragma once

#include <QString>
#include <QVariant>

#include <vector>

namespace Firebird {
class IMessageMetadata;
} // namespace Firebird

// Where and how a message holds one value (the type without its nullable bit).
struct TDescriereValoare {
    unsigned Tip;
    unsigned Lungime;
    int Scala;
    unsigned SetCaractere;
    unsigned Pozitie;
    unsigned PozitieNull;
};

// Every value of a message, read once when the statement is prepared.
std::vector<TDescriereValoare> DescriereMesaj(Firebird::IMessageMetadata& descriere);

// Writes a value into its place of a statement's input message, in the type the statement
// declared for it: text in UTF-8 (refused beyond its declared length, counted in characters),
// integers and numerics (exact to their scale), floating point, booleans; a null QVariant
// as NULL. A value that does not fit the type is refused before the statement runs.
// numeParametru and interogare name the value in the message.
void ScrieParametru(const TDescriereValoare& descriere, unsigned char* mesaj,
                    const QVariant& valoare, const QString& numeParametru, const QString& interogare);

// A column of an output message as a QVariant: text (fixed-width text keeps its padding to
// its declared characters), integers, numerics with a scale as double, NULL as a null QVariant.
QVariant CitesteColoana(const TDescriereValoare& descriere, const unsigned char* mesaj);
