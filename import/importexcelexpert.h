#pragma once

#include "registre/coloaneexcel.h"
#include "import/importexcel.h"

#include <QDialog>
#include <QStringList>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class TAlegereColoana;
class TBrvExcelImportFrame;
class TExcelSelectieColoana;
class TRegistru;

// "Import de date din Excel": the workbook and its sheet, the CNP column, the forms and, for
// every importable pupil field, where its value comes from; then every row of the sheet
// holding a CNP updates the pupil of that CNP or creates one.
class TImportExcelExpert : public QDialog {
    Q_OBJECT
public:
    enum Pagina {
        PaginaIntroducere = 0,
        PaginaFisier = 1,
        PaginaCnp = 2,
        PaginaGata = 3,
        PaginaFormulare = 4,
        PrimaPaginaCamp = 5,
    };

    // The fields of the profile in the database.
    explicit TImportExcelExpert(QWidget* parent = nullptr);
    TImportExcelExpert(const std::vector<TCampImportabil>& campuri, QWidget* parent = nullptr);
    ~TImportExcelExpert() override;

    int PaginaCurenta() const;
    void Inainte();
    void Inapoi();
    void Renunt() { reject(); }
    // "Cauta ...": the file dialog, then DeschideFisier.
    void Cauta();
    // Opens the workbook and lists its sheets; a file that cannot be read changes nothing.
    void DeschideFisier(const QString& cale);

    QPushButton* ButonInapoi() const { return m_inapoi; }
    QPushButton* ButonInainte() const { return m_inainte; }
    QPushButton* ButonRenunt() const { return m_renunt; }
    QPushButton* ButonCauta() const { return m_cauta; }
    // Editable: a name typed or pasted is opened when the user leaves the field or goes on.
    QLineEdit* NumeFisier() const { return m_numeFisier; }
    // What the last page says will be imported.
    QLabel* Rezumat() const { return m_rezumat; }
    // Shown on the CNP page when the sheet's header row was imported before: its choices
    // are filled in again.
    QLabel* AsezareRegasita() const { return m_asezareRegasita; }
    QComboBox* Foi() const { return m_foi; }
    TAlegereColoana* ColoanaCnp() const { return m_coloanaCnp; }
    QListWidget* ListaFormulare() const { return m_formulare; }
    const QStringList& FormulareProfil() const { return m_formulareProfil; }
    const QStringList& FormulareBifate() const { return m_formulareBifate; }
    const std::vector<TBrvExcelImportFrame*>& Campuri() const { return m_campuri; }
    const TListaColoaneExcel& Coloane() const { return m_coloane; }
    // The column-selection dialog over the sheet read last; nullptr before.
    TExcelSelectieColoana* SelectieColoana() const { return m_selectie.get(); }

private:
    QWidget* PaginaIntroducereNoua();
    QWidget* PaginaFisierNoua();
    QWidget* PaginaCnpNoua();
    QWidget* PaginaFormulareNoua();
    void AdaugaCamp(const TCampImportabil& camp);

    void Avanseaza();
    void AlegeFormulare();
    void CitesteFoaiaAleasa();
    // From this field page on, the first one of a ticked form; page 3 after the last.
    void ArataPaginaCamp(int pagina);
    void Importa();
    void Arata(int pagina);
    QString TextRezumat() const;
    // Opens the file named in the edit unless it is the one open already.
    void DeschideNumeleTastat();
    void AplicaAsezareaRetinuta();

    QStackedWidget* m_pagini = nullptr;
    QPushButton* m_inapoi = nullptr;
    QPushButton* m_inainte = nullptr;
    QPushButton* m_renunt = nullptr;
    QPushButton* m_cauta = nullptr;
    QLineEdit* m_numeFisier = nullptr;
    QString m_fisierDeschis;
    QLabel* m_rezumat = nullptr;
    QLabel* m_asezareRegasita = nullptr;
    QString m_capDeTabel;
    QComboBox* m_foi = nullptr;
    TAlegereColoana* m_coloanaCnp = nullptr;
    QListWidget* m_formulare = nullptr;
    std::vector<TBrvExcelImportFrame*> m_campuri;
    QStringList m_formulareProfil;
    QStringList m_formulareBifate;

    std::unique_ptr<TRegistru> m_registru;
    TListaColoaneExcel m_coloane;
    std::unique_ptr<TExcelSelectieColoana> m_selectie;
};
