#include "editors/editorcampnota.h"

#include "app/userprompt.h"
#include "editors/brvnumedit.h"

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

qint64 TEditorCampNota::CitesteNota(const QString& text)
{
    QString intregi, zecimale;
    int parte = 1;
    for (const QChar c : text) {
        if (c == QLatin1Char(',') || c == QLatin1Char('.'))
            ++parte;
        else if (c >= QLatin1Char('0') && c <= QLatin1Char('9') && parte <= 2)
            (parte == 1 ? intregi : zecimale).append(c);
    }
    const qint64 parteIntreaga = intregi.isEmpty() ? 0 : intregi.toLongLong();
    const qint64 sutimi = zecimale.isEmpty() ? 0 : zecimale.left(2).leftJustified(2, QLatin1Char('0')).toLongLong();
    return parteIntreaga * 10000 + sutimi * 100;
}

void TEditorCampNota::Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                              const QString& tabel, int idElev, int idInregistrare)
{
    TEditorGeneric::Incarca(codFormular, codPagina, codCamp, tabel, idElev, idInregistrare);
    const QString stocata = ValoareStocata();
    if (stocata.isNull())
        return;
    const qint64 valoare = CitesteNota(stocata);
    // A stored 0 or 0,00 is no mark.
    if (valoare / 100 == 0)
        m_edit->clear();
    else
        m_edit->SeteazaValoare(valoare);
}

bool TEditorCampNota::PotSalva()
{
    if (m_edit->text().trimmed().isEmpty())
        return true;
    const qint64 valoare = m_edit->Valoare();
    if (valoare < NotaMinima) {
        Prompt().Avertisment(QStringLiteral("Nota este prea mica"));
        return false;
    }
    if (valoare > NotaMaxima) {
        Prompt().Avertisment(QStringLiteral("Nota este prea mare"));
        return false;
    }
    return true;
}

void TEditorCampNota::Salveaza(int idElev, int idInregistrare, const QString& tabel)
{
    ScrieValoare(idElev, idInregistrare, tabel, m_edit->text(), LungimeNota);
}
