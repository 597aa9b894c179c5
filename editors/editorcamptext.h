#pragma once

#include "editors/editorgeneric.h"

class QComboBox;

// Free text of up to 256 characters; the list offers every value already stored for the field.
class TEditorCampText : public TEditorGeneric {
    Q_OBJECT
public:
    explicit TEditorCampText(QWidget* parent = nullptr);

    QComboBox* RzComboBox1() const { return m_lista; }

    void Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp, const QString& tabel,
                 int idElev, int idInregistrare) override;
    bool PotSalva() override { return true; }
    std::optional<QString> ValoareDeSalvat() const override;
    void LaPrimaAfisare() override;

private:
    void CaretLaSfarsit();

    QComboBox* m_lista = nullptr;
    // Tab and Enter over the open suggestions.
    QObject* m_taste = nullptr;
};
