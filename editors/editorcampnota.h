#pragma once

#include "editors/editorgeneric.h"

class TBrvNumEdit;

// A mark from 5 to 10 with at most two decimals, or no mark at all.
class TEditorCampNota : public TEditorGeneric {
    Q_OBJECT
public:
    explicit TEditorCampNota(QWidget* parent = nullptr);

    TBrvNumEdit* BrvNumEdit1() const { return m_edit; }

    void Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp, const QString& tabel,
                 int idElev, int idInregistrare) override;
    bool PotSalva() override;
    void Salveaza(int idElev, int idInregistrare, const QString& tabel) override;

    // A stored mark text as fixed point in units of 1/10000 ("9,5" and "9.5" give 95000,
    // "9,567" gives 95600); signs, blanks and letters are ignored.
    static qint64 CitesteNota(const QString& text);

private:
    TBrvNumEdit* m_edit;
};
