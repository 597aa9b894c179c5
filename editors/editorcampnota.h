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
    std::optional<QString> ValoareDeSalvat() const override;

private:
    QString Refuz(const QString& motiv) const;
    TBrvNumEdit* m_edit;
};
