#pragma once

#include <QDialog>
#include <functional>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;
class QTabWidget;
class TFontFormular;
class TFormularTextArea;
struct TParticularizareTextArea;

// "Informatii camp": shows where an area takes its value from and edits its override
// record: named font or system face, bold and italic, replacement text, alignment and the
// half-millimetre shifts.
class TEditorTextFormular : public QDialog {
    Q_OBJECT
public:
    TEditorTextFormular(const TFormularTextArea& area, TParticularizareTextArea& particularizare,
                        QWidget* parent = nullptr);

    // Writes the choices into the override record and closes.
    void Ok();
    void Renunt();

    QTabWidget* Pagini() const { return m_pagini; }
    QPlainTextEdit* Sursa() const { return m_sursa; }
    QComboBox* Fonturi() const { return m_fonturi; }
    QComboBox* ListaItalic() const { return m_italic; }
    QComboBox* ListaBold() const { return m_bold; }
    QRadioButton* FontImplicit() const { return m_fontImplicit; }
    QRadioButton* FontSpecificat() const { return m_fontSpecificat; }
    QListWidget* Fete() const { return m_fete; }
    QLineEdit* TextRedefinit() const { return m_text; }
    QButtonGroup* Aliniere() const { return m_aliniere; }
    QButtonGroup* Orizontal() const { return m_orizontal; }
    QButtonGroup* Vertical() const { return m_vertical; }

private:
    QWidget* PaginaInformatii();
    QWidget* PaginaText();
    QWidget* PaginaAsezare();
    void Umple(const TFormularTextArea& area);
    void UmpleFonturi(const TFormularTextArea& area);

    TParticularizareTextArea& m_particularizare;
    QList<TFontFormular*> m_fonturiFormular;
    QTabWidget* m_pagini;
    QPlainTextEdit* m_sursa = nullptr;
    QComboBox* m_fonturi = nullptr;
    QComboBox* m_italic = nullptr;
    QComboBox* m_bold = nullptr;
    QRadioButton* m_fontImplicit = nullptr;
    QRadioButton* m_fontSpecificat = nullptr;
    QListWidget* m_fete = nullptr;
    QLineEdit* m_text = nullptr;
    QButtonGroup* m_aliniere = nullptr;
    QButtonGroup* m_orizontal = nullptr;
    QButtonGroup* m_vertical = nullptr;
};

// A click on an area: finds or creates its override record, shows the editor (modally
// unless told otherwise), repaints the area and saves the overrides file.
void EditeazaTextArea(TFormularTextArea& area, const std::function<void(TEditorTextFormular&)>& arata = {});
