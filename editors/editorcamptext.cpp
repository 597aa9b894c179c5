#include "editors/editorcamptext.h"

#include "db/depozit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStringListModel>

namespace {

constexpr int LungimeText = 256;

} // namespace

TEditorCampText::TEditorCampText(QWidget* parent) : TEditorGeneric(parent), m_lista(new QComboBox(this))
{
    m_lista->setObjectName(QStringLiteral("RzComboBox1"));
    m_lista->setEditable(true);
    m_lista->setInsertPolicy(QComboBox::NoInsert);
    AsazaControl(m_lista);
}

void TEditorCampText::Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                              const QString& tabel, int idElev, int idInregistrare)
{
    TEditorGeneric::Incarca(codFormular, codPagina, codCamp, tabel, idElev, idInregistrare);
    const QStringList sugestii = ValoriDistincte(Referinta());
    // One model for the whole list: adding the values one by one costs far more with many pupils.
    m_lista->setModel(new QStringListModel(sugestii, m_lista));
    m_lista->setEditText(ValoareStocata());
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

void TEditorCampText::Salveaza(int idElev, int idInregistrare, const QString& tabel)
{
    ScrieValoare(idElev, idInregistrare, tabel, m_lista->currentText(), LungimeText);
}
