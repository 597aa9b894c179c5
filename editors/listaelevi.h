#pragma once

#include "db/depozit.h"

#include <QFrame>
#include <QIcon>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class TButonFormular;

using TLinieElev = TLinieAfisata;
using TListaLiniiElevi = TLiniiAfisate;

// The pupil list of the main window: every pupil as its display line, filtered by the
// search text, with the buttons of the printable forms above and Adauga, Modifica and
// Sterge below. The keyboard does it all: Ins adds, Enter edits, Del deletes the selected
// pupil, Ctrl+F goes to the search and Ctrl+P opens the selected pupil's certificate.
class TListaElevi : public QFrame {
    Q_OBJECT
public:
    explicit TListaElevi(QWidget* parent = nullptr);

    QWidget* Panel2() const { return m_panel2; }
    QLineEdit* RzEdit1() const { return m_cauta; }
    QTreeWidget* VT() const { return m_vt; }
    const TListaLiniiElevi& Linii() const { return m_linii; }
    const QList<TButonFormular*>& ButoaneFormular() const { return m_butoaneFormular; }
    const QIcon& ImageList1() const { return m_imagine; }
    QPushButton* ButonModifica() const { return m_modifica; }
    QPushButton* ButonSterge() const { return m_sterge; }
    // What the list says when it shows no pupil; empty while it shows some.
    QString MesajListaGoala() const;
    int NumarElevi() const { return static_cast<int>(m_linii.size()); }
    int NumarAfisati() const;

    // Reads every pupil again, then filters.
    void Reincarca();
    // Shows the lines that contain the search text as typed (any line when it is blank).
    void Filtreaza();
    // The texts of the shown lines, in list order.
    QStringList LiniiAfisate() const;
    // The lines the search lets through, in list order.
    TListaLiniiElevi LiniiVizibile() const;

    void Adauga();
    void Modifica();
    void Sterge();
    // Opens the certificate of the selected pupil, as its form button does.
    void DeschideFormularul();

signals:
    // After every reload and every search: the counts may have changed.
    void LiniiSchimbate();

private:
    QWidget* CreeazaBaraSus();
    QWidget* CreeazaBaraJos();
    void CreeazaButoaneFormular();
    void CreeazaScurtaturi();
    void ActualizeazaButoanele();
    void Selecteaza(int id);
    // Runs the pupil dialog prepared by `pregateste`; reloads when something was saved.
    template <typename Pregatire>
    void EditeazaElev(Pregatire&& pregateste);
    bool eventFilter(QObject* obiect, QEvent* event) override;

    QIcon m_imagine;
    QWidget* m_panel2 = nullptr;
    QLineEdit* m_cauta = nullptr;
    QTreeWidget* m_vt = nullptr;
    QLabel* m_mesajGol = nullptr;
    QPushButton* m_modifica = nullptr;
    QPushButton* m_sterge = nullptr;
    TListaLiniiElevi m_linii;
    QList<TButonFormular*> m_butoaneFormular;
};
