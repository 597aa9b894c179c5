#pragma once

#include <QString>
#include <functional>
#include <optional>

class QPushButton;
class TClasaProfilDiploma;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// Pieces the record lists share: the one-column list whose nodes carry their record's id,
// the buttons of their bars and the delete of a record.

QTreeWidget* CreeazaListaVT(const QStringList& coloane, const QList<int>& latimi, QWidget* parinte);
QTreeWidgetItem* NodNou(const QString& text, int id);
// The first selected node in the order the list shows them, or none.
const QTreeWidgetItem* PrimulSelectat(const QTreeWidget& vt);
std::optional<int> IdSelectat(const QTreeWidget& vt);
// The selected record's id; without a selection the message is shown and there is none.
std::optional<int> IdSelectatSauMesaj(const QTreeWidget& vt, const QString& mesaj);
QPushButton* ButonLa(const QString& text, int x, int y, QWidget* bara);
// A bar of fixed height for buttons placed by hand.
QWidget* BaraButoane(int inaltime, QWidget* parinte);

// What the Adauga, Modifica and Sterge buttons of a record list do.
struct TActiuniLista {
    std::function<void()> Adauga, Modifica, Sterge;
};
// A bar with the three buttons 80 pixels apart from (x, y), named "Adauga", "Modifica" and
// "Sterge", with Alt+A, Alt+M and Alt+S; a failure of an action is shown in the error box.
QWidget* BaraAdaugaModificaSterge(int inaltime, int x, int y, const TActiuniLista& actiuni, QWidget* parinte);

