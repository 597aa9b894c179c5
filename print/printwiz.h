#pragma once

#include "base/multimi.h"
#include "certificat/corectieimprimanta.h"

#include <QDialog>
#include <QMap>
#include <QPixmap>
#include <array>
#include <optional>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTreeWidget;
class QVBoxLayout;
class TPanouMasurare;
enum class TFoaieTest;

// "Formular pentru pregatirea imprimantei": lets the user choose the printer and finds out,
// with three test sheets, how it takes, turns and returns a sheet, then (unless skipped)
// measures its offset and scale for each side. Completing it stores the answers in the print
// settings; cancelling stores nothing.
class TPrintWiz : public QDialog {
    Q_OBJECT
public:
    // A choice of a page: its text, its picture and an explanation under it.
    struct TAlegere {
        QString Text;
        QPixmap Imagine;
        QString Explicatie;
    };

    explicit TPrintWiz(QWidget* parent = nullptr);

    // The number of the page shown: 0 to 9, 10 and 11 measuring the front and the back, or 13
    // at the end.
    int Pagina() const { return m_pagina; }

    void Inainte();
    void Inapoi();
    // Leaves a measuring page without measuring its side.
    void SariPeste();
    void Renunt() { reject(); }

    QTreeWidget* Imprimante() const { return m_imprimante; }
    // The choices of pages 1 (feeding), 4 (picture), 7 (side) and 9 (lines), in order.
    QAbstractButton* Alegere(int pagina, int index) const;
    QLabel* TextReintroducere8() const { return m_textPagina8; }
    QPushButton* ButonInapoi() const { return m_inapoi; }
    QPushButton* ButonInainte() const { return m_inainte; }
    QPushButton* ButonRenunt() const { return m_renunt; }
    TPanouMasurare* Masurare(TPaginaCertificat parte) const { return m_masurare.at(IndexPagina(parte)); }

    TModAlimentare ModAlimentare() const { return m_modAlimentare; }
    bool PartiOpuse() const { return m_partiOpuse; }

private:
    void AdaugaPagina(int numar, QWidget* pagina);
    QWidget* PaginaImprimante();
    QWidget* PaginaCuAlegeri(int numar, const QStringList& texte, const QList<TAlegere>& alegeri);
    QWidget* PaginaAlimentare();
    QWidget* PaginaReprezentare();
    QWidget* PaginaReintroducere(int numar, QLabel*& text, QLabel*& imagine);
    QWidget* PaginaParte();
    QWidget* PaginaLinii();
    QWidget* PaginaMasurare(TPaginaCertificat parte);

    // Does what leaving the current page forward asks for; the page to go to, or nothing
    // when the wizard stays (or has closed).
    std::optional<int> Avanseaza();
    int DupaAlimentare() const;
    void DupaModAlimentare();
    std::optional<int> Tipareste(TFoaieTest foaie, int urmatoarea);
    void AlegeImprimantaSelectata() const;
    int DupaParte();
    int DupaLinii();
    std::optional<int> DupaMasurare(TPaginaCertificat parte);
    void Mergi(int pagina);
    void Incheie();
    void Arata(int pagina);
    bool Ales(int pagina, int index) const;
    bool AsteaptaAlegerea() const;
    void ActualizeazaInainte();

    QStackedWidget* m_pagini;
    QMap<int, int> m_indexPagina;
    QMap<int, QButtonGroup*> m_alegeri;
    QMap<int, int> m_intratDin;
    int m_pagina = 0;

    QTreeWidget* m_imprimante;
    QLabel* m_textPagina6 = nullptr;
    QLabel* m_imaginePagina6 = nullptr;
    QLabel* m_textPagina8 = nullptr;
    QLabel* m_imaginePagina8 = nullptr;
    QPushButton* m_inapoi;
    QPushButton* m_inainte;
    QPushButton* m_renunt;

    bool m_partiOpuse = false;
    bool m_linieVerticalaDreapta = false;
    bool m_linieOrizontalaJos = false;
    TModAlimentare m_modAlimentare = TModAlimentare::Necalibrat;
    std::array<TPanouMasurare*, 2> m_masurare{};
    std::array<std::optional<TMasuratoareImprimanta>, 2> m_masuratori;
};
