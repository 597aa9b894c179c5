#include "editors/editorcamptext.h"

#include "db/tdm.h"

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
    QStringList sugestii;
    {
        TInterogare& q = DM().Q1();
        TInchideLaFinal inchide(q);
        q.SQL(QStringLiteral("select DISTINCT(VALOARE_TEXT) from \"DATE\" where (COD_FORMULAR=:COD_FORMULAR) and "
                             "(COD_PAGINA=:COD_PAGINA) and (COD_CAMP=:COD_CAMP)"));
        q.ParamByName("COD_FORMULAR", CodFormular);
        q.ParamByName("COD_PAGINA", CodPagina);
        q.ParamByName("COD_CAMP", CodCamp);
        for (q.Open(); !q.Eof(); q.Next())
            sugestii << q.Fields(0).AsString();
    }
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
