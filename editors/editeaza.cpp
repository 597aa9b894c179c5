#include "editors/editeaza.h"

#include "db/depozit.h"
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
    const int id = m_idInregistrare != -1 ? m_idInregistrare : InregistrareNoua(t);
    Pagina()->SalveazaTot(-1, id, t);
}
