#pragma once

#include <QtGlobal>
#include <functional>
#include <optional>

class QWidget;
class TFormularDePrintat;
class TFormularTextArea;

// Writes a mark (hundredths, or none) of the given kind into the pair of areas a page
// reserves for it; the form's handler supplies it.
using TScriitorNota =
    std::function<void(TFormularTextArea* sus, TFormularTextArea* jos, std::optional<qint32> nota, int tipNota)>;

// Numbers every area of the page ("<7>" for area 7), so that an area the filling does not
// reach shows which one it is; makes the areas transparent and the zoom 100.
void ReseteazaPagina(TFormularDePrintat& pagina);

// Resets and fills every page of the form, in order, with the values of one pupil: each
// area shows its field, a slice of it, or a mark written by `scrieNota`. A stored mark
// text that is no mark from 5,00 to 10,00 leaves its areas empty, and one warning per
// filling names the pupil, each such field and its text. Only reads the database, in a
// transaction that is always rolled back. A failure is raised as it comes: the pages
// filled so far keep their new texts.
void UmpleFormular(QWidget& formular, int idElev, const TScriitorNota& scrieNota);
