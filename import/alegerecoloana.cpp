#include "import/alegerecoloana.h"

#include "import/excelselectiecoloana.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

TAlegereColoana::TAlegereColoana(TDialogCurent dialog, QWidget* parent)
    : QWidget(parent), m_dialog(std::move(dialog)), m_edit(new QLineEdit(this)), m_buton(new QToolButton(this))
{
    m_edit->setReadOnly(true);
    m_edit->installEventFilter(this);
    m_buton->setArrowType(Qt::DownArrow);
    m_buton->setFocusPolicy(Qt::NoFocus);
    auto* asezare = new QHBoxLayout(this);
    asezare->setContentsMargins(0, 0, 0, 0);
    asezare->setSpacing(0);
    asezare->addWidget(m_edit, 1);
    asezare->addWidget(m_buton);
    setFocusProxy(m_edit);
    connect(m_buton, &QToolButton::clicked, this, &TAlegereColoana::Alege);
}

QString TAlegereColoana::Coloana() const
{
    return m_edit->text();
}

void TAlegereColoana::PuneColoana(const QString& litere)
{
    m_edit->setText(litere);
}

void TAlegereColoana::Alege()
{
    TExcelSelectieColoana* dialog = m_dialog ? m_dialog() : nullptr;
    if (dialog && dialog->exec() == QDialog::Accepted)
        m_edit->setText(dialog->ColoanaSelectata());
}

// The edit opens the list as a drop-down box would: on a click, or on Alt+Down and F4.
bool TAlegereColoana::eventFilter(QObject* obiect, QEvent* eveniment)
{
    if (obiect == m_edit) {
        if (eveniment->type() == QEvent::MouseButtonRelease) {
            Alege();
            return true;
        }
        if (eveniment->type() == QEvent::KeyPress) {
            const auto* tasta = static_cast<QKeyEvent*>(eveniment);
            if (tasta->key() == Qt::Key_F4
                || (tasta->key() == Qt::Key_Down && (tasta->modifiers() & Qt::AltModifier))) {
                Alege();
                return true;
            }
        }
    }
    return QWidget::eventFilter(obiect, eveniment);
}
