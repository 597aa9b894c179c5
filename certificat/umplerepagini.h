#pragma once

#include <QList>
#include <QtGlobal>
#include <functional>
#include <optional>

struct TArieFormular;

// The areas of one form page, in the page's order.
using TAriiPagina = QList<TArieFormular*>;

// Writes a mark (hundredths, or none) of the given kind into the pair of areas a page
// reserves for it; the form's handler supplies it.
using TScriitorNota =
    std::function<void(TArieFormular* sus, TArieFormular* jos, std::optional<qint32> nota, int tipNota)>;

// Numbers every area named FormularTextArea<n> ("<7>" for area 7), so that an area the
// filling does not reach shows which one it is.
void NumeroteazaAriile(const TAriiPagina& arii);

// Numbers and fills every page of a form, in order, with the values of one pupil: each
// area shows its field, a slice of it, or a mark written by `scrieNota`. A stored mark
// text that is no mark from 5,00 to 10,00 leaves its areas empty, and one warning per
// filling names the pupil, each such field and its text. Only reads the database, in a
// transaction that is always rolled back. A failure is raised as it comes: the pages
// filled so far keep their new texts.
void UmplePaginile(const QList<TAriiPagina>& pagini, int idElev, const TScriitorNota& scrieNota);
