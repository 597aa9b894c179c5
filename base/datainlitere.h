#pragma once

#include <QDate>
#include <QString>

// Date texts for tables and lists. An invalid date gives the empty text.
QString DataInLitere(const QDate& data); // 7 iunie 2006
QString DataZiLuna(const QDate& data);   // 07/06
QString DataScurta(const QDate& data);   // 07/06/06
