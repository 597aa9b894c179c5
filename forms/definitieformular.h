#pragma once

#include <QList>
#include <QString>

class QWidget;
class TFormularDePrintat;

// Builds the preview of a printable form from its stored definition: the form's name, its
// named fonts (taken over as children of the form, in order) and a page widget for each
// page with an area widget for each text area. The pages are created as children of the
// form; the caller places them. A background image that cannot be read leaves its page
// white.
QList<TFormularDePrintat*> IncarcaDefinitiaFormularului(QWidget& formular, const QString& cale);
