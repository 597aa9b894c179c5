#pragma once

#include <QString>
#include <QStringList>

// A list of items kept in one text value, separated by commas. An item holding a blank or
// another control character, a comma or a double quote is written between double quotes
// with its inner quotes doubled; an empty item is written as nothing.
QString ScrieListaVirgule(const QStringList& elemente);

// Reads such a list back; outside quotes, blanks separate items as commas do.
QStringList CitesteListaVirgule(const QString& text);
