#pragma once

#include "dialoguri/template.h"

#include <optional>

class QPushButton;
class QTabWidget;
class TFormularDePrintat;

// The certificate's printable form and its preview: the front and the back page, each on
// its own tab in a scroll box, zoomed from the tool strip. A click on a text area opens its
// editor.
class TPrintPraventForm : public TTemplate {
    Q_OBJECT
public:
    explicit TPrintPraventForm(QWidget* parent = nullptr);

    // Fills both pages with the pupil's values; the front then prints recorded in the register.
    void Umple(int idElev);

    TFormularDePrintat* Fata() const { return m_fata; }
    TFormularDePrintat* Spate() const { return m_spate; }
    // The page of the selected tab, and its index (0 the front, 1 the back).
    TFormularDePrintat* PaginaSelectata() const;
    int IndexPaginaSelectata() const;
    QTabWidget* Taburi() const { return m_taburi; }
    QPushButton* ButonTipareste() const { return m_tipareste; }
    QPushButton* ButonProba() const { return m_proba; }
    QPushButton* ButonMareste() const { return m_mareste; }
    QPushButton* ButonMicsoreaza() const { return m_micsoreaza; }
    QPushButton* ButonPaginaIntreaga() const { return m_paginaIntreaga; }
    QPushButton* ButonInchide() const { return m_inchide; }

    // Prints the page of the selected tab; the front of the pupil it was filled with is
    // recorded in the register.
    void Tipareste();
    // Prints it on plain paper with the blank card's scan underneath.
    void TiparesteProba();
    void Mareste();
    void Micsoreaza();
    // The zoom that shows the selected page whole in the window.
    void PaginaIntreaga();

private:
    QWidget* BaraDeUnelte();
    QPushButton* Buton(QWidget* bara, const QString& text, int x);
    void AdaugaTab(TFormularDePrintat* pagina, const QString& titlu);
    void AlegeMarimea();

    QTabWidget* m_taburi;
    std::optional<int> m_idElev;
    TFormularDePrintat* m_fata = nullptr;
    TFormularDePrintat* m_spate = nullptr;
    QPushButton* m_tipareste = nullptr;
    QPushButton* m_proba = nullptr;
    QPushButton* m_mareste = nullptr;
    QPushButton* m_micsoreaza = nullptr;
    QPushButton* m_paginaIntreaga = nullptr;
    QPushButton* m_inchide = nullptr;
};
