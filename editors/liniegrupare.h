#pragma once

#include "editors/editorgeneric.h"

#include <QFrame>

// One line of editors side by side, sharing the line's width in proportion to their
// suggested widths, also when the line is resized.
class TLinieGrupare : public QFrame {
    Q_OBJECT
public:
    explicit TLinieGrupare(QWidget* parent = nullptr);

    const TListaEditorGeneric& Editoare() const { return m_editoare; }
    // Appends an editor at the right end and shares the width again.
    void Adauga(TEditorGeneric* editor);

    // Width of each share: latime * share / sum, truncated, never below 16 pixels.
    static QList<int> ImparteLatimea(int latime, const QList<int>& sugerate);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Imparte();

    TListaEditorGeneric m_editoare;
};
