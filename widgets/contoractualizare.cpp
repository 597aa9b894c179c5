#include "widgets/contoractualizare.h"

#include "base/eroare.h"

void TBrvContorActualizare::EndUpdate()
{
    if (m_nivel <= 0)
        throw EEroare(QStringLiteral("EndUpdate fara BeginUpdate"));
    if (--m_nivel == 0 && m_laZero)
        m_laZero();
}
