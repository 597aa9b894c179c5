#include "editors/editorcamptext.h"

#include "db/depozit.h"

#include "editors/editorcamprand.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QWheelEvent>
#include <QStringListModel>

namespace {

constexpr int LungimeText = 256;

// A list of suggestions that leaves the text alone until the user opens it: the wheel
// scrolls the dialog, and the arrow keys move only inside the open list.
class TListaSugestii : public QComboBox {
public:
    explicit TListaSugestii(QWidget* parent) : QComboBox(parent) { setFocusPolicy(Qt::StrongFocus); }

    // The field before or after this one, as Tab and Shift+Tab go.
    void MergiMaiDeparte(bool inainte) { focusNextPrevChild(inainte); }

    // The lines of the list are all alike: measured once, not once for every pupil. Set
    // when the list first opens, so that a page of fields never makes their lists before.
    void showPopup() override
    {
        static_cast<QListView*>(view())->setUniformItemSizes(true);
        QComboBox::showPopup();
    }

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

// Tab, Shift+Tab and Enter while the suggestions are open take the highlighted one, if
// any, and go on to the next field as they do with the list closed. Left to the completer,
// the key only closes the list and the words typed next are lost.
class TTastePesteSugestii : public QObject {
public:
    explicit TTastePesteSugestii(TListaSugestii& lista) : QObject(&lista), m_lista(lista) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* tasta = static_cast<const QKeyEvent*>(event);
        const bool inapoi = tasta->key() == Qt::Key_Backtab;
        if (!inapoi && tasta->key() != Qt::Key_Tab && tasta->key() != Qt::Key_Return
            && tasta->key() != Qt::Key_Enter)
            return false;
        QCompleter* completare = m_lista.completer();
        const QModelIndex aleasa = completare->popup()->currentIndex();
        const QString text = aleasa.isValid() ? aleasa.data(completare->completionRole()).toString() : QString();
        completare->popup()->hide();
        // The focus moves first: taking the text while the field still has it would open
        // the completion again and keep the focus there.
        m_lista.MergiMaiDeparte(!inapoi);
        if (aleasa.isValid())
            m_lista.setEditText(text);
        return true;
    }

private:
    TListaSugestii& m_lista;
};

} // namespace

TEditorCampText::TEditorCampText(QWidget* parent) : TEditorGeneric(parent)
{
    auto* lista = new TListaSugestii(this);
    m_lista = lista;
    // One model for the whole list, filled at once: adding the values one by one costs far
    // more with many pupils. Set before the list becomes editable, so that its completer is
    // made on it and never has to change models.
    m_lista->setModel(new QStringListModel(m_lista));
    m_lista->setEditable(true);
    // Suggestions in a list under the text, never completed into it: what was typed is
    // what is saved unless the user picks one. Case-sensitive, so that Enter does not
    // swap the text for a suggestion that differs only in letter case.
    m_lista->completer()->setCompletionMode(QCompleter::PopupCompletion);
    m_lista->completer()->setCaseSensitivity(Qt::CaseSensitive);
    m_taste = new TTastePesteSugestii(*lista);
    // The completer filters the list's keys too: ours goes in front of it.
    m_lista->completer()->popup()->installEventFilter(m_taste);
    m_lista->setObjectName(QStringLiteral("RzComboBox1"));
    m_lista->setInsertPolicy(QComboBox::NoInsert);
    // With a suggestion for every pupil, measuring each one for the field's size cost more
    // than reading them: the field's width comes from the page.
    m_lista->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_lista->setValidator(new TValidatorRand(LungimeText, m_lista));
    AsazaControl(m_lista);
}

void TEditorCampText::Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                              const QString& tabel, int idElev, int idInregistrare)
{
    TEditorGeneric::Incarca(codFormular, codPagina, codCamp, tabel, idElev, idInregistrare);
    static_cast<QStringListModel*>(m_lista->model())->setStringList(ValoriDistincte(Referinta()));
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
