#include "editors/editorcamptext.h"

#include "db/depozit.h"

#include "editors/editorcamprand.h"

#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>
#include <QStringListModel>

namespace {

constexpr int LungimeText = 256;

// A list of suggestions that leaves the text alone until the user opens it: the wheel
// scrolls the dialog, and the arrow keys move only inside the open list.
class TListaSugestii : public QComboBox {
public:
    explicit TListaSugestii(QWidget* parent) : QComboBox(parent) { setFocusPolicy(Qt::StrongFocus); }

protected:
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }
    void keyPressEvent(QKeyEvent* event) override
    {
        const bool alt = event->modifiers() & Qt::AltModifier;
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (alt)
                break;
            [[fallthrough]];
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            event->ignore();
            return;
        default:
            break;
        }
        QComboBox::keyPressEvent(event);
    }
};

} // namespace

TEditorCampText::TEditorCampText(QWidget* parent) : TEditorGeneric(parent), m_lista(new TListaSugestii(this))
{
    m_lista->setObjectName(QStringLiteral("RzComboBox1"));
    m_lista->setEditable(true);
    m_lista->setInsertPolicy(QComboBox::NoInsert);
    m_lista->setValidator(new TValidatorRand(LungimeText, m_lista));
    // Suggestions in a list under the text, never completed into it: what was typed is
    // what is saved unless the user picks one. Case-sensitive, so that Enter does not
    // swap the text for a suggestion that differs only in letter case.
    m_lista->completer()->setCompletionMode(QCompleter::PopupCompletion);
    m_lista->completer()->setCaseSensitivity(Qt::CaseSensitive);
    AsazaControl(m_lista);
}

void TEditorCampText::Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                              const QString& tabel, int idElev, int idInregistrare)
{
    TEditorGeneric::Incarca(codFormular, codPagina, codCamp, tabel, idElev, idInregistrare);
    const QStringList sugestii = ValoriDistincte(Referinta());
    // One model for the whole list: adding the values one by one costs far more with many pupils.
    m_lista->setModel(new QStringListModel(sugestii, m_lista));
    const QString stocata = ValoareStocata();
    m_lista->setEditText(stocata);
    RetineIncarcarea(stocata, *m_lista->lineEdit());
    CaretLaSfarsit();
}

void TEditorCampText::LaPrimaAfisare()
{
    CaretLaSfarsit();
}

void TEditorCampText::CaretLaSfarsit()
{
    m_lista->lineEdit()->deselect();
    m_lista->lineEdit()->end(false);
}

std::optional<QString> TEditorCampText::ValoareDeSalvat() const
{
    return ValoareDinControl(*m_lista->lineEdit(), LungimeText);
}
