#include "editors/liniegrupare.h"

namespace {

constexpr int InaltimeLinie = 36;
constexpr int LatimeMinima = 16;

} // namespace

TLinieGrupare::TLinieGrupare(QWidget* parent) : QFrame(parent)
{
    setFixedHeight(InaltimeLinie);
}

QList<int> TLinieGrupare::ImparteLatimea(int latime, const QList<int>& sugerate)
{
    qint64 suma = 0;
    for (int s : sugerate)
        suma += s;
    QList<int> latimi;
    for (int s : sugerate) {
        // A line whose shares are all 0 is split evenly rather than divided by zero.
        const qint64 parte = suma > 0 ? latime * qint64(s) / suma : latime / sugerate.size();
        latimi << qMax(int(parte), LatimeMinima);
    }
    return latimi;
}

void TLinieGrupare::Adauga(TEditorGeneric* editor)
{
    editor->setParent(this);
    editor->show();
    m_editoare.append(editor);
    Imparte();
}

void TLinieGrupare::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    Imparte();
}

void TLinieGrupare::Imparte()
{
    QList<int> sugerate;
    for (const TEditorGeneric* editor : std::as_const(m_editoare))
        sugerate << editor->LatimeSugerata;
    const QList<int> latimi = ImparteLatimea(contentsRect().width(), sugerate);
    int x = 0;
    for (int i = 0; i < m_editoare.size(); ++i) {
        TEditorGeneric* editor = m_editoare.at(i);
        if (editor->width() != latimi.at(i) || editor->x() != x)
            editor->setGeometry(x, 0, latimi.at(i), InaltimeLinie);
        x += latimi.at(i);
    }
}
