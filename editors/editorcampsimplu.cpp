#include "editors/editorcampsimplu.h"

#include "base/cnp.h"
#include "base/userprompt.h"
#include "editors/editorcamprand.h"

#include <QLineEdit>

namespace {

constexpr int LungimeScurta = 64;

} // namespace

TEditorCampSimplu::TEditorCampSimplu(QWidget* parent) : TEditorGeneric(parent), m_edit(new QLineEdit(this))
{
    m_edit->setObjectName(QStringLiteral("RzEdit1"));
    m_edit->setValidator(new TValidatorRand(LungimeScurta, m_edit));
    AsazaControl(m_edit);
}

void TEditorCampSimplu::Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                                const QString& tabel, int idElev, int idInregistrare)
{
    TEditorGeneric::Incarca(codFormular, codPagina, codCamp, tabel, idElev, idInregistrare);
    const QString stocata = ValoareStocata();
    m_edit->setText(stocata);
    RetineIncarcarea(stocata, *m_edit);
}

std::optional<QString> TEditorCampSimplu::ValoareDeSalvat() const
{
    return ValoareDinControl(*m_edit, LungimeScurta);
}

bool TEditorCampCNP::PotSalva()
{
    const QString problema = ProblemaCNP(RzEdit1()->text());
    return problema.isEmpty()
        || Prompt().Confirma(
            QStringLiteral("Codul numeric personal este eronat: %1. Sigur doriti sa continuati?").arg(problema));
}
