#pragma once

#include "certificat/umplerepagini.h"

class QWidget;
class TFormularDePrintat;

// The models of the page's areas, in the page's order: what the filling writes into.
TAriiPagina AriileModel(const TFormularDePrintat& pagina);

// Numbers every area of the page ("<7>" for area 7), so that an area the filling does not
// reach shows which one it is; makes the areas transparent and the zoom 100.
void ReseteazaPagina(TFormularDePrintat& pagina);

// Resets and fills the models of every page of the preview, in order, as UmplePaginile
// does, and brings the widgets after them, however the filling ends.
void UmpleFormular(QWidget& formular, int idElev, const TScriitorNota& scrieNota);
