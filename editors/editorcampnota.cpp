#include "editors/editorcampnota.h"

#include "base/citestenota.h"
#include "base/userprompt.h"
#include "editors/brvnumedit.h"

#include <QLabel>

namespace {

constexpr int LungimeNota = 64;
constexpr qint64 NotaMinima = 50000;
constexpr qint64 NotaMaxima = 100000;

} // namespace

TEditorCampNota::TEditorCampNota(QWidget* parent) : TEditorGeneric(parent), m_edit(new TBrvNumEdit(this))
{
    m_edit->setObjectName(QStringLiteral("BrvNumEdit1"));
    AsazaControl(m_edit);
}

void TEditorCampNota::Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                              const QString& tabel, int idElev, int idInregistrare)
{
    TEditorGeneric::Incarca(codFormular, codPagina, codCamp, tabel, idElev, idInregistrare);
    const QString stocata = ValoareStocata();
    if (!stocata.isNull()) {
        const qint64 valoare = CitesteNota(stocata);
        // A stored 0 or 0,00 is no mark.
        if (valoare / 100 == 0)
            m_edit->clear();
        else
            m_edit->SeteazaValoare(valoare);
    }
    RetineIncarcarea(stocata, *m_edit);
}

bool TEditorCampNota::PotSalva()
{
    // A mark the user did not touch is saved as it was stored, so only a typed one is checked.
    if (m_edit->text().trimmed().isEmpty() || Neatins(*m_edit))
        return true;
    const qint64 valoare = m_edit->Valoare();
    if (valoare < NotaMinima) {
        Prompt().Avertisment(Refuz(QStringLiteral("Nota este prea mica")));
        return false;
    }
    if (valoare > NotaMaxima) {
        Prompt().Avertisment(Refuz(QStringLiteral("Nota este prea mare")));
        return false;
    }
    return true;
}

// The page holds many marks: the refusal names the one it is about.
QString TEditorCampNota::Refuz(const QString& motiv) const
{
    const QString camp = RzLabel1()->text();
    return camp.isEmpty() ? motiv : QStringLiteral("%1: %2").arg(motiv, camp);
}

std::optional<QString> TEditorCampNota::ValoareDeSalvat() const
{
    return ValoareDinControl(*m_edit, LungimeNota);
}
