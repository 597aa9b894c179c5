#pragma once

#include "import/alegerecoloana.h"
#include "import/importexcel.h"

#include <QFrame>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QStackedWidget;

// The wizard page of one importable field: where its value comes from (a column, part of a
// name, a constant, or a text by the sex the CNP codes), or that it is not imported.
class TBrvExcelImportFrame : public QFrame {
    Q_OBJECT
public:
    TBrvExcelImportFrame(const TCampImportabil& camp, TAlegereColoana::TDialogCurent dialog,
                         QWidget* parent = nullptr);

    const QString& IdCamp() const { return m_idCamp; }
    const QString& CodFormular() const { return m_codFormular; }
    const QString& Eticheta() const { return m_eticheta; }

    TModSursa Mod() const;
    // What the page says, for the import.
    TSursaCamp Sursa() const;
    // Makes the page say it again, as remembered from an earlier import.
    void Aplica(const TSursaCamp& sursa);
    // The page's "PaginaOk" check: a mode that reads a column needs one, unless the field
    // is not imported.
    void Verifica() const;

    QListWidget* Moduri() const { return m_moduri; }
    QCheckBox* NuImport() const { return m_nuImport; }
    QStackedWidget* SubPagini() const { return m_subPagini; }
    TAlegereColoana* Coloana() const { return m_coloana; }
    QLineEdit* Constanta() const { return m_constanta; }
    QLineEdit* TextFete() const { return m_textFete; }
    QLineEdit* TextBaieti() const { return m_textBaieti; }

private:
    QWidget* SubPaginaColoana(TAlegereColoana::TDialogCurent dialog);
    QWidget* SubPaginaConstanta();
    QWidget* SubPaginaCnp();
    void LaSchimbareaModului();

    QString m_idCamp;
    QString m_codFormular;
    QString m_eticheta;
    QListWidget* m_moduri;
    QCheckBox* m_nuImport;
    QStackedWidget* m_subPagini;
    TAlegereColoana* m_coloana = nullptr;
    QLineEdit* m_constanta = nullptr;
    QLineEdit* m_textFete = nullptr;
    QLineEdit* m_textBaieti = nullptr;
};
