#pragma once

#include "widgets/brvvirtualgridline.h"

#include <QDialog>

class QLabel;
class QPushButton;
class TBrvVirtualGrid;
class TListaColoaneExcel;

// One grid line: the kept row of the sheet it shows.
class TLinieGrid : public TBrvVirtualGridLine {
public:
    int Rand = 0;
};

// "Selectie coloana EXCEL": the columns read from the sheet, read-only; a click on a cell
// chooses its column, which stays chosen between openings.
class TExcelSelectieColoana : public QDialog {
    Q_OBJECT
public:
    // The columns must outlive the dialog.
    explicit TExcelSelectieColoana(const TListaColoaneExcel& coloane, QWidget* parent = nullptr);

    // The letters of the column last clicked; empty until then.
    const QString& ColoanaSelectata() const { return m_selectata; }
    void SelecteazaColoana(int coloana);

    // Closes with OK only once a column is chosen.
    void Ok();
    void Renunt() { reject(); }

    TBrvVirtualGrid* Grila() const { return m_grila; }
    QLabel* EtichetaSelectie() const { return m_eticheta; }
    QPushButton* ButonOk() const { return m_ok; }
    QPushButton* ButonRenunt() const { return m_renunt; }

private:
    void AdaugaColoane();
    QWidget* Butoane();

    const TListaColoaneExcel& m_coloane;
    QString m_selectata;
    QLabel* m_eticheta;
    TBrvVirtualGrid* m_grila;
    QPushButton* m_ok = nullptr;
    QPushButton* m_renunt = nullptr;
};

// The width a column of the dialog asks for: its widest text in Arial at 15 pixels, at most
// 300, plus a margin of 12.
int LatimeColoanaSelectie(const QStringList& texte);
