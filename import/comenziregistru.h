#pragma once

#include <QString>

class QTextStream;

// The command-line views of a workbook. Failures are EEroare with a Romanian message.

// The worksheet names, one a line, in workbook order.
void ListeazaFoile(const QString& cale, QTextStream& iesire);

// What CitesteFoaia keeps of the sheet (the first one when foaie is empty): a line with the
// column letters, then one line per kept row, tab-separated. Tabs and line breaks inside a
// text are written as blanks, so that every row stays one line.
void AfiseazaFoaia(const QString& cale, const QString& foaie, QTextStream& iesire);
