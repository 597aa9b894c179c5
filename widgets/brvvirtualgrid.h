#pragma once

#include "widgets/brvculoricoloana.h"
#include "widgets/brvvaloaredate.h"
#include "widgets/brvvirtualgridcolumn.h"
#include "widgets/brvvirtualgridline.h"
#include "widgets/celulegrid.h"
#include "widgets/contoractualizare.h"

#include <QSet>
#include <QTableView>
#include <QTimer>
#include <functional>

class TBrvVirtualGridModel;
class TBrvVirtualGridDelegate;
class TBrvVirtualGridHeader;
class TBrvVirtualGridFixe;

enum TBrvGridOptiune {
    goSelectezLinia = 1 << 0,
    goNuAfisezLiniiVerticale = 1 << 1,
    goNuAfisezLiniiOrizontale = 1 << 2,
};
using TBrvGridOptions = int;

using TBrvCitesteValoareGrid = std::function<void(TBrvVirtualGridLine* Obj, int Coloana, TBrvValoareDate& V)>;
using TBrvStabilesteValoareGrid =
    std::function<void(TBrvVirtualGridLine* Obj, int Coloana, const TBrvValoareDate& V)>;
using TBrvVGridPotEdita = std::function<void(TBrvVirtualGridLine* Obj, int Coloana, bool& PotEdita)>;
using TBrvVGridFormatCell =
    std::function<void(TBrvVirtualGridLine* Obj, int Coloana, QColor& BkColor, TBrvFontColorat& Font)>;
using TBrvGenText =
    std::function<void(TBrvVirtualGridLine* Obj, const TBrvValoareDate& V, int Coloana, QString& Text)>;
using TBrvCelulaApasata = std::function<void(TBrvVirtualGridLine* Obj, int Coloana)>;

// How one data cell is drawn.
struct TAspectCelula {
    QColor Fundal;
    TBrvFontColorat Font;
    QColor CuloareLinii;
    TBrvAliniere Aliniere = TBrvAliniere::Stanga;
};

// A table of data the owner keeps elsewhere: the grid holds lines and typed columns and asks
// the owner for a cell's value each time the cell is drawn. Model rows are the lines (the
// heading row is the horizontal header); the fixed columns sit in a second view on the left
// that shares the model and does not scroll sideways.
class TBrvVirtualGrid : public QTableView {
    Q_OBJECT
public:
    explicit TBrvVirtualGrid(QWidget* parent = nullptr);
    ~TBrvVirtualGrid() override;

    TBrvVirtualGridColumns& Coloane() { return m_coloane; }
    const TBrvVirtualGridColumns& Coloane() const { return m_coloane; }
    TBrvVirtualGridList& Linii() { return m_linii; }
    const TBrvVirtualGridList& Linii() const { return m_linii; }

    void BeginUpdate() { m_contor.BeginUpdate(); }
    void EndUpdate() { m_contor.EndUpdate(); }
    void Relayout();

    // -1 while the grid has no column; setting it then does nothing. Never scaled.
    int HeaderHeight() const;
    void SetHeaderHeight(int inaltime);
    int NrColoaneFixe() const { return m_nrColoaneFixe; }
    void SetNrColoaneFixe(int numar);
    // The fixed columns the last layout settled on.
    int ColoaneFixe() const { return m_coloaneFixe; }
    TBrvGridOptions Optiuni() const { return m_optiuni; }
    void SetOptiuni(TBrvGridOptions optiuni);
    int DefaultRowHeight() const { return m_defaultRowHeight; }
    void SetDefaultRowHeight(int inaltime);

    // The text of a cell (column, line index), as painting shows it; fails with the
    // messages of a wrong or missing value.
    QString TextCelula(int coloana, int rand) const;
    // Colours, font and alignment of a data cell, the hover shade included.
    TAspectCelula AspectCelula(int coloana, int rand, bool selectat) const;
    int IntensitateCelula(int coloana, int rand) const { return m_celule.Intensitate(coloana, rand); }
    const TBrvListaCeluleGrid& CeluleEvidentiate() const { return m_celule; }
    // One step of the fading hover (the timer's job every 100 ms).
    void Tic();
    bool TicPornit() const { return m_tic.isActive(); }
    // Opens the standard editor over a cell as Enter (empty key) or a typed key would.
    bool Editeaza(int coloana, int rand, const QString& tasta = QString());
    // A failure met while drawing, shown once per cause and outside the paint.
    void RaporteazaEroare(const QString& mesaj) const;
    void SeteazaValoare(int coloana, int rand, const TBrvValoareDate& valoare);
    TBrvVirtualGridHeader* Header() const { return m_header; }
    // Window text in the fixed columns, the button shadow elsewhere.
    QColor CuloareLinii(int coloana) const;
    QTableView* VedereFixa() const;

    // Report texts, kept with the grid; nothing in this program prints a grid.
    QString TitluMare = QStringLiteral("TITLUL MARE");
    QString TitluMic = QStringLiteral("TITLUL MIC");
    QString TitluDreaptaSus;
    QString AntetLinia1 = QStringLiteral("Linia #1 din antet");
    QString AntetLinia2 = QStringLiteral("Linia #2 din antet");
    QString AntetLinia3 = QStringLiteral("Linia #3 din antet");
    QString InfoSemnaturi;
    QString InfoSemnaturi_func1;
    QString InfoSemnaturi_func2;
    QString InfoSemnaturi_func3;
    QString InfoSemnaturi_nume1;
    QString InfoSemnaturi_nume2;
    QString InfoSemnaturi_nume3;
    bool PrintPortrait = false;

    TBrvCitesteValoareGrid OnGetCellValue;
    TBrvStabilesteValoareGrid OnSetCellValue;
    TBrvVGridPotEdita OnPotEdita;
    TBrvVGridFormatCell OnFormatCell;
    TBrvGenText OnCustomText;
    // A click on a data cell (the import chooses its column this way).
    TBrvCelulaApasata OnCelulaApasata;

    // The mouse is over a data cell (any view of the grid), or has left it (-1, -1).
    void MouseLaCelula(int coloana, int rand);
    void CelulaApasata(const QModelIndex& index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString&) override {}
    void mouseMoveEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void updateGeometries() override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void PosteazaRelayout();
    void AplicaColoaneFixe();
    void AplicaInaltimiRanduri();
    bool SubMouse(const TBrvCelulaGrid& celula) const;
    void ActualizeazaCelula(int coloana, int rand);
    TBrvValoareDate ValoareCelula(int coloana, int rand) const;

    bool m_distrugere = false;
    bool m_relayoutPostat = false;
    TBrvContorActualizare m_contor;
    TBrvVirtualGridColumns m_coloane;
    TBrvVirtualGridList m_linii;
    TBrvListaCeluleGrid m_celule;
    QTimer m_tic;
    int m_mouseColoana = -1;
    int m_mouseRand = -1;
    int m_headerHeight = 48;
    int m_nrColoaneFixe = 1;
    int m_coloaneFixe = 0;
    int m_defaultRowHeight = 24;
    TBrvGridOptions m_optiuni = 0;
    mutable QSet<QString> m_eroriRaportate;
    TBrvVirtualGridModel* m_model;
    TBrvVirtualGridDelegate* m_delegate;
    TBrvVirtualGridHeader* m_header;
    TBrvVirtualGridFixe* m_fixe;
};
