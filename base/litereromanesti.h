#pragma once

#include <QString>

// Expands the letter markers: "@A" Ă, "@H" Â, "@I" Î, "@S" Ş, "@T" Ţ and their small forms
// ("@a" ...), "@@" a single "@". Any other marked character is dropped with its "@", and so
// is a "@" at the very end.
QString DecodeazaDiacritice(const QString& text);

// Case conversion of the ASCII letters and of Ş, Ţ and Ă. Â and Î keep their case: the
// certificate's texts never change them.
QString LitereMici(const QString& text);
QString LitereMari(const QString& text);
