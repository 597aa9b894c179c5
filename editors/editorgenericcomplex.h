#pragma once

#include "db/depozit.h"

#include "editors/editorgeneric.h"
#include "editors/frmgrup.h"

#include <QFrame>
#include <QMap>

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

// The page that edits one whole record of one entity table, built from the profile: a tab
// per form code, a group box per caption group and the editors that share a line side by side.
class TEditorGenericComplex : public QFrame {
    Q_OBJECT
public:
    explicit TEditorGenericComplex(QWidget* parent = nullptr);

    QTabWidget* PC() const { return m_pc; }
    const TListaEditorGeneric& Editoare() const { return m_editoare; }

    // Builds and loads the editors of every profile line of `tabel` for the record.
    void Construieste(int idElev, int idInregistrare, const QString& tabel);
    bool PotSalvaTot();
    // Saves every editor; the caller's transaction must be running.
    void SalveazaTot(int idElev, int idInregistrare, const QString& tabel);
    void LaPrimaAfisare();

private:
    QWidget* Container(const QString& codFormular, const QString& grup, const QString& codLinie);
    QWidget* ContainerTab(const QString& codFormular);
    QWidget* ContainerGrup(const QString& codFormular, const QString& grup);
    void AdaugaEditor(const TCampEditor& linie, int idElev, int idInregistrare, const QString& tabel);

    QTabWidget* m_pc;
    TListaEditorGeneric m_editoare;
    TListaFrmGrup m_grupuri;
    QMap<QString, TLinieGrupare*> m_linii;
};
