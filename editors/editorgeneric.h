#pragma once

#include "db/valoarecamp.h"

#include <QFrame>
#include <QList>
#include <QString>
#include <optional>

class QLabel;
class QLineEdit;

// One field of one record: shows its caption above one input control, loads the stored
// value, says whether it may be saved and writes it back. The cycle is fixed: Incarca once,
// LaPrimaAfisare once when the dialog is first shown, PotSalva when the user confirms,
// then Salveaza inside the dialog's transaction.
class TEditorGeneric : public QFrame {
    Q_OBJECT
public:
    explicit TEditorGeneric(QWidget* parent = nullptr);

    QString CodFormular, CodPagina, CodCamp, Tabel;
    TReferintaCamp Referinta() const;
    int IdElev = -1;
    int IdInregistrare = -1;
    int Id = -1;
    int LatimeSugerata = 0;

    QLabel* RzLabel1() const { return m_eticheta; }

    virtual void Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                         const QString& tabel, int idElev, int idInregistrare);
    virtual bool PotSalva();
    // Writes ValoareDeSalvat under the record chosen from the ids; nothing when there is none.
    void Salveaza(int idElev, int idInregistrare, const QString& tabel);
    virtual void LaPrimaAfisare() {}
    // The text a save writes; none for an editor that writes nothing.
    virtual std::optional<QString> ValoareDeSalvat() const { return std::nullopt; }
    // Whether a save would write something else than what was loaded.
    bool Modificat() const;
    // What another user's save is detected against: the stored text as loaded, or as the
    // user last accepted to overwrite it.
    const QString& ValoareComparata() const { return m_comparata; }
    void AcceptaValoareaStocata(const QString& stocata) { m_comparata = stocata; }

    // The id a value is stored under: the pupil's for "ELEVI", the record's otherwise.
    static int IdAles(const QString& tabel, int idElev, int idInregistrare);

protected:
    // Puts the input control under the caption, filling the rest of the editor.
    void AsazaControl(QWidget* control);
    // The stored text of this field for the record; null when there is no row or no value.
    QString ValoareStocata() const;
    // Remembers what was loaded and the text the control shows for it, so that a value
    // the user did not edit is saved exactly as it was stored.
    void RetineIncarcarea(const QString& stocata, const QLineEdit& control);
    // Whether the control still shows the stored value as it was loaded, untouched by the user.
    bool Neatins(const QLineEdit& control) const;
    // The control's text, trimmed and cut to `lungime` characters; the stored text unchanged
    // when the control is untouched.
    QString ValoareDinControl(const QLineEdit& control, int lungime) const;

private:
    QLabel* m_eticheta;
    QString m_stocata;
    QString m_afisata;
    QString m_comparata;
};

// The editors of a page or of one line of a page; the list does not own them.
using TListaEditorGeneric = QList<TEditorGeneric*>;
