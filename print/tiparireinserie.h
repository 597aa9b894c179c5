#pragma once

#include "db/depozit.h"
#include "print/tiparireserie.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TNumerotareSerie;

// "Tiparire in serie": one side of the certificate for many pupils in one print job. Lists
// the pupils it is given, each with a tick and what the data check found; a pupil with
// findings comes first and unticked, so that no card is spent on it unless the user wants.
class TTiparireInSerie : public QDialog {
    Q_OBJECT
public:
    // `elevi`: the pupils the pupil list shows, in its order.
    explicit TTiparireInSerie(const TLiniiAfisate& elevi, QWidget* parent = nullptr);

    QTreeWidget* Lista() const { return m_lista; }
    // "Fata" or "Spate".
    QComboBox* Pagina() const { return m_pagina; }
    // "in ordinea listei" or "in ordine inversa".
    QComboBox* Ordine() const { return m_ordine; }
    // The register's series, first card and date; used for the front, which carries the
    // registration lines.
    TNumerotareSerie* Numerotare() const { return m_numerotare; }
    QLabel* Bifati() const { return m_bifati; }
    QPushButton* ButonTipareste() const { return m_tipareste; }
    QPushButton* ButonBifeazaTot() const { return m_bifeazaTot; }
    QPushButton* ButonDebifeazaTot() const { return m_debifeazaTot; }

    // The ticked pupils in the order they are printed.
    TLiniiAfisate DeTiparit() const;

    // Prints the chosen side for the ticked pupils, after asking when some of them have
    // findings. Pupils whose card went out are unticked, so that after a stop the next press
    // goes on from where the job ended; the user is told how many pages went to the printer,
    // and the dialog closes when every card went out. With the register, the cards printed
    // are listed afterwards: those unticked there are voided and their pupils stay ticked.
    void Tipareste();
    void Renunt() { reject(); }

private:
    QWidget* Optiuni();
    void AdaugaElevii(const TLiniiAfisate& elevi);
    QTreeWidgetItem* Rand(const TLinieAfisata& linie, int pozitie, const QStringList& constatari);
    void ArataBifati();
    void Debifeaza(const TLiniiAfisate& tiparite);
    void BifeazaToti(Qt::CheckState stare);
    // Whether the user still wants them printed when ticked pupils have findings.
    bool AcceptaConstatarile() const;
    // The job with each card recorded as it prints; the pupils whose cards came out right.
    TLiniiAfisate TiparesteInRegistru(const TLiniiAfisate& alesi, TRezultatSerie& rezultat);

    TLiniiAfisate m_elevi;
    QTreeWidget* m_lista;
    QComboBox* m_pagina;
    QComboBox* m_ordine;
    TNumerotareSerie* m_numerotare;
    QLabel* m_bifati;
    QPushButton* m_tipareste;
    QPushButton* m_bifeazaTot;
    QPushButton* m_debifeazaTot;
};
