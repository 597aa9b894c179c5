#include "editors/adaugaelev.h"

#include "db/depozit.h"
#include "editors/editorgenericcomplex.h"

namespace {

const QString Elevi = QStringLiteral("ELEVI");

} // namespace

TAdaugaElev::TAdaugaElev(QWidget* parent)
    // Wide and high enough that no caption of the profile is cut on a 1366 x 768 screen.
    : TDialogInregistrare(QStringLiteral("Adauga elev"), QSize(800, 520), 81, parent)
{
}

void TAdaugaElev::PregatesteNou()
{
    Pagina()->Construieste(-1, -1, Elevi);
}

void TAdaugaElev::PregatesteExistent(int idElev)
{
    m_idElev = idElev;
    Pagina()->Construieste(idElev, -1, Elevi);
}

void TAdaugaElev::SalveazaInregistrare()
{
    const int id = m_idElev != -1 ? m_idElev : InregistrareNoua(Elevi);
    Pagina()->SalveazaTot(id, -1, Elevi);
    m_idSalvat = id;
}

QString TAdaugaElev::Tabel() const
{
    return Elevi;
}

void TAdaugaElev::ReincarcaPagina()
{
    PregatesteExistent(m_idElev);
    Pagina()->LaPrimaAfisare();
}
