#pragma once

#include "db/depozit.h"

#include "editors/editorgeneric.h"
#include "editors/frmgrup.h"

#include <QFrame>
#include <QMap>
#include <vector>

class QTabWidget;
class TLinieGrupare;

// The parts of an editor caption "[group]caption{tail}".
struct TEticheta {
    QString Grup;
    QString Eticheta;
    QString Coada;
};

// Brackets name the group, braces the tail; everything else, on both sides of the
// brackets, is the caption. Nothing after the closing brace counts.
TEticheta DesparteEticheta(const QString& text);

// A tab caption: every blank after the tenth character becomes a line break.
QString ImparteTitluTab(const QString& text);

// The editor of a data type, owned by `parinte`; an unknown type is an error.
TEditorGeneric* CreeazaEditor(const QString& tipDeDate, QWidget* parinte);

// A field another user saved since the page loaded it.
struct TDiferenta {
    TEditorGeneric* Editor;
    QString ValoareaMea;      // what this page would save
    QString ValoareaStocata;  // what is stored now
};

// The page that edits one whole record of one entity table, built from the profile: a tab
// per form code, a group box per caption group and the editors that share a line side by side.
class TEditorGenericComplex : public QFrame {
    Q_OBJECT
public:
    explicit TEditorGenericComplex(QWidget* parent = nullptr);

    QTabWidget* PC() const { return m_pc; }
    const TListaEditorGeneric& Editoare() const { return m_editoare; }

    // Builds and loads the editors of every profile line of `tabel` for the record; a second
    // call replaces what the first one built.
    void Construieste(int idElev, int idInregistrare, const QString& tabel);
    bool PotSalvaTot();
    // Saves every editor; the caller's transaction must be running.
    void SalveazaTot(int idElev, int idInregistrare, const QString& tabel);
    // Also gives the first field the focus, so that typing can start at once.
    void LaPrimaAfisare();
    bool AreModificari() const;
    // The fields whose stored text is no longer the one compared with (see
    // TEditorGeneric::ValoareComparata); in the caller's transaction, in one statement.
    std::vector<TDiferenta> Diferente(const QString& tabel, int id) const;
    // The user keeps her values over those: only a later change is reported again.
    static void AcceptaValorileStocate(const std::vector<TDiferenta>& diferente);

private:
    void Goleste();
    QWidget* Container(const QString& codFormular, const QString& grup, const QString& codLinie);
    QWidget* ContainerTab(const QString& codFormular);
    QWidget* ContainerGrup(const QString& codFormular, const QString& grup);
    void AdaugaEditor(const TCampEditor& linie, int idElev, int idInregistrare, const QString& tabel);

    QTabWidget* m_pc;
    TListaEditorGeneric m_editoare;
    TListaFrmGrup m_grupuri;
    QMap<QString, TLinieGrupare*> m_linii;
};
