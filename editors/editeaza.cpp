#include "editors/editeaza.h"

#include "db/identificator.h"
#include "editors/editorgenericcomplex.h"

TEditeaza::TEditeaza(const QString& numeTabel, QWidget* parent)
    : TDialogInregistrare(QStringLiteral("Editeaza"), QSize(441, 325), 79, parent), m_numeTabel(numeTabel)
{
}

void TEditeaza::PregatesteNou()
{
    Pagina()->Construieste(-1, -1, m_numeTabel);
}

void TEditeaza::PregatesteExistent(int idInregistrare)
{
    m_idInregistrare = idInregistrare;
    Pagina()->Construieste(-1, idInregistrare, m_numeTabel);
}

void TEditeaza::SalveazaInregistrare()
{
    const QString& t = NumeTabelVerificat(m_numeTabel);
    const int id = m_idInregistrare != -1
        ? m_idInregistrare
        : InregistrareNoua(QStringLiteral("SELECT GEN_ID(G_ID_%1,1) AS \"ID\" FROM RDB$DATABASE").arg(t),
                           QStringLiteral("insert into %1 (ID_%1) values (:id)").arg(t));
    Pagina()->SalveazaTot(-1, id, t);
}
