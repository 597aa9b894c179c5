#include "widgets/brvvirtualgriddelegate.h"

#include "base/eroare.h"
#include "widgets/brvvgrideditorform.h"
#include "widgets/brvvirtualgrid.h"
#include "widgets/brvvirtualgridmodel.h"
#include "widgets/umbre.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int Margine = 2;

// The painter's state restored however the cell's painting ends.
class TGardaPictor {
public:
    explicit TGardaPictor(QPainter& pictor) : m_pictor(pictor) { m_pictor.save(); }
    ~TGardaPictor() { m_pictor.restore(); }
    TGardaPictor(const TGardaPictor&) = delete;
    TGardaPictor& operator=(const TGardaPictor&) = delete;

private:
    QPainter& m_pictor;
};

} // namespace

TBrvVirtualGridDelegate::TBrvVirtualGridDelegate(TBrvVirtualGrid& grila) : QStyledItemDelegate(&grila), m_grila(grila)
{
}

void TBrvVirtualGridDelegate::PregatesteEditorul(const TBrvValoareDate& valoare, const QString& tasta)
{
    m_valoare = valoare;
    m_tasta = tasta;
}

void TBrvVirtualGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    if (index.column() >= m_grila.Coloane().Count() || !m_grila.Linii().Linie(index.row()))
        return;
    // The owner's events run while painting: a failure is reported, the cell left plain.
    try {
        DeseneazaCelula(*painter, option, index);
    } catch (const EEroare& e) {
        m_grila.RaporteazaEroare(e.Mesaj());
    } catch (const std::exception& e) {
        m_grila.RaporteazaEroare(QString::fromLocal8Bit(e.what()));
    }
}

void TBrvVirtualGridDelegate::DeseneazaCelula(QPainter& painter, const QStyleOptionViewItem& option,
                                              const QModelIndex& index) const
{
    const int coloana = index.column();
    const TAspectCelula aspect = m_grila.AspectCelula(coloana, index.row(), option.state & QStyle::State_Selected);
    const QString text = index.data(Qt::DisplayRole).toString();
    const QRect r = option.rect;
    const TGardaPictor garda(painter);
    painter.fillRect(r, aspect.Fundal);
    const bool fixa = coloana < m_grila.ColoaneFixe();
    painter.setPen(aspect.CuloareLinii);
    if (fixa || !(m_grila.Optiuni() & goNuAfisezLiniiOrizontale)) {
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.bottomLeft(), r.bottomRight());
    }
    if (!(m_grila.Optiuni() & goNuAfisezLiniiVerticale))
        painter.drawLine(r.topRight(), r.bottomRight());
    painter.setClipRect(r);
    painter.setFont(aspect.Font.Font);
    painter.setPen(aspect.Font.Culoare);
    painter.drawText(r.adjusted(Margine, 0, -Margine, 0), AliniereQt(aspect.Aliniere) | Qt::AlignVCenter, text);
    if (coloana == m_grila.ColoaneFixe() - 1)
        DeseneazaUmbraDreapta(painter, r, aspect.Fundal, aspect.CuloareLinii);
}

QWidget* TBrvVirtualGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    // Qt asks for editors through a const function; the signals belong to this delegate.
    auto* delegat = const_cast<TBrvVirtualGridDelegate*>(this);
    try {
        auto* editor = new TBrvVGridEditorForm(m_valoare, m_tasta, parent);
        connect(editor, &TBrvVGridEditorForm::Confirma, delegat, [delegat, editor] {
            emit delegat->commitData(editor);
            emit delegat->closeEditor(editor, NoHint);
        });
        connect(editor, &TBrvVGridEditorForm::Renunta, delegat,
                [delegat, editor] { emit delegat->closeEditor(editor, RevertModelCache); });
        return editor;
    } catch (const EEroare& e) {
        m_grila.RaporteazaEroare(e.Mesaj());
        return nullptr;
    }
}

void TBrvVirtualGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    const auto* formular = qobject_cast<const TBrvVGridEditorForm*>(editor);
    if (!formular || !formular->Confirmat())
        return;
    if (const std::optional<TBrvValoareDate> valoare = formular->Valoare())
        model->setData(index, QVariant::fromValue(*valoare), Qt::EditRole);
}

void TBrvVirtualGridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                                   const QModelIndex&) const
{
    const QRect celula = option.rect;
    editor->setGeometry(celula.left(), celula.top(), std::max(celula.width(), editor->sizeHint().width()),
                        celula.height());
}
