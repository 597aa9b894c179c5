#pragma once

#include "editors/editorgeneric.h"

class QLineEdit;

// A field typed on one line, stored with at most 64 characters; any text may be saved.
class TEditorCampSimplu : public TEditorGeneric {
    Q_OBJECT
public:
    explicit TEditorCampSimplu(QWidget* parent = nullptr);

    QLineEdit* RzEdit1() const { return m_edit; }

    void Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp, const QString& tabel,
                 int idElev, int idInregistrare) override;
    bool PotSalva() override { return true; }
    std::optional<QString> ValoareDeSalvat() const override;

private:
    QLineEdit* m_edit;
};

class TEditorCampCalificativ : public TEditorCampSimplu {
    Q_OBJECT
public:
    using TEditorCampSimplu::TEditorCampSimplu;
};

class TEditorGenericNotaSauCalificativ : public TEditorCampSimplu {
    Q_OBJECT
public:
    using TEditorCampSimplu::TEditorCampSimplu;
};

class TEditorCampCF : public TEditorCampSimplu {
    Q_OBJECT
public:
    using TEditorCampSimplu::TEditorCampSimplu;
};

class TEditorCampSirues : public TEditorCampSimplu {
    Q_OBJECT
public:
    using TEditorCampSimplu::TEditorCampSimplu;
};

// A personal numeric code: an invalid one is saved only when the user confirms it.
class TEditorCampCNP : public TEditorCampSimplu {
    Q_OBJECT
public:
    using TEditorCampSimplu::TEditorCampSimplu;
    bool PotSalva() override;
};
