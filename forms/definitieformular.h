#pragma once

#include <QList>
#include <QString>

class QWidget;
class TFormularDePrintat;

// Builds a printable form from its stored definition (JSON): the form's name, its named
// fonts (children of the form, in order) and its pages with their text areas. The pages are
// created as children of the form; the caller places them. A background image that cannot
// be read leaves its page white.
QList<TFormularDePrintat*> IncarcaDefinitiaFormularului(QWidget& formular, const QString& cale);
