#pragma once

#include "db/registrucertificate.h"

#include <QDialog>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <optional>
#include <vector>

class QLineEdit;
class QPushButton;
class QTableView;

// "Registru": every certificate issued with its pupil, numbers, date, kind and state,
// searchable and sortable; records a hand-over, voids with a reason, shows an entry's
// history, prints the register and exports it.
class TFereastraRegistru : public QDialog {
    Q_OBJECT
public:
    explicit TFereastraRegistru(QWidget* parent = nullptr);

    QTableView* Tabel() const { return m_tabel; }
    QLineEdit* Cautare() const { return m_cautare; }
    // Reads the register again, keeping the search and the order.
    void Reincarca();

    // The actions on the selected entry, with what the user typed; false when none is selected.
    bool PredaSelectata(const QString& primitor);
    bool AnuleazaSelectata(const QString& motiv);
    // The selected entry's changes of state, one a line, oldest first.
    QStringList IstoricSelectata() const;

private:
    void Preda();
    void Anuleaza();
    void ArataIstoric();
    void StabilesteNumarul();
    void Tipareste();
    void Exporta();
    std::optional<TIntrareRegistru> Selectata() const;
    void AlegeOIntrare(const QString& nrInregistrare = {});

    QStandardItemModel m_model;
    QSortFilterProxyModel m_filtru;
    std::vector<TIntrareRegistru> m_intrari;
    QTableView* m_tabel;
    QLineEdit* m_cautare;
};
