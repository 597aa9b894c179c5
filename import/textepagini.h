#pragma once

#include <QString>

class QLabel;

// The texts of the import wizard's pages: a bold title and wrapped paragraphs.
QLabel* TitluPagina(const QString& text);
QLabel* TextPagina(const QString& text);
