#pragma once

#include "certificat/arieformular.h"
#include "certificat/paginaumpluta.h"

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class TFontFormular;

// One page of a printable form in the model: its paper size, its own margin corrections,
// the zoom the preview opens it at, the scan of the blank paper (by path: it is decoded only
// where it is drawn) and its text areas. TFormularDePrintat is the widget that shows one.
struct TPaginaFormular {
    QString Nume;
    QString DenumireFormular;
    double Latime = 10;
    double Inaltime = 10;
    double DeltaStanga = 0;
    double DeltaSus = 0;
    double Zoom = 100;
    QString CaleFundal;
    std::vector<TArieFormular> Arii;
};

// A printable form read from its stored definition (JSON): its name (the object name, the
// key of the override records), its named fonts (its children, in order) and its pages.
class TDefinitieFormular : public QObject {
    Q_OBJECT
public:
    std::vector<TPaginaFormular> Pagini;
};

// Reads a form definition; a file that cannot be read or parsed, or an area naming a font
// the form does not have, is an error.
std::unique_ptr<TDefinitieFormular> CitesteDefinitiaFormularului(const QString& cale);

// The named font of a form (any QObject holding its fonts as direct children), by its name
// in any letter case; none for an empty or unknown name.
TFontFormular* FontulFormularului(const QObject& formular, const QString& nume);

// What a page of the form shows now, with every area's override record applied.
TPaginaUmpluta PaginaUmpluta(const TDefinitieFormular& formular, const TPaginaFormular& pagina);
