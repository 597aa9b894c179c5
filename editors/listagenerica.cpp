#include "editors/listagenerica.h"

#include "dialoguri/centreazafereastra.h"
#include "base/userprompt.h"
#include "db/identificator.h"
#include "editors/editeaza.h"
#include "editors/listacomuna.h"
#include "profile/inregistrare.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString FaraSelectie = QStringLiteral("Va rog selectati o linie!");

} // namespace

TListaGenerica::TListaGenerica(QWidget* parent)
    : QDialog(parent), m_vt(CreeazaListaVT({QStringLiteral("Denumire")}, {512}, this))
{
    setWindowTitle(QStringLiteral("Lista generica"));
    resize(540, 360);
    QWidget* bara = BaraAdaugaModificaSterge(
        33, 8, 4, {[this] { Adauga(); }, [this] { Modifica(); }, [this] { Sterge(); }}, this);
    auto* asezare = new QVBoxLayout(this);
    asezare->setContentsMargins(0, 0, 0, 0);
    asezare->setSpacing(0);
    asezare->addWidget(m_vt);
    asezare->addWidget(bara);
    CentreazaFereastra(this);
}

void TListaGenerica::Reincarca()
{
    m_vt->clear();
    m_linii = CitesteLiniiAfisate(NumeTabel, ProfilCerut().ListaCampuriGeneric());
    for (const TLinieGenerica& linie : m_linii)
        m_vt->addTopLevelItem(NodNou(linie.Denumire, linie.Id));
}

void TListaGenerica::Adauga()
{
    TEditeaza dialog(NumeTabel, this);
    dialog.PregatesteNou();
    if (dialog.exec() == QDialog::Accepted)
        Reincarca();
}

void TListaGenerica::Modifica()
{
    const std::optional<int> id = IdSelectatSauMesaj(*m_vt, FaraSelectie);
    if (!id)
        return;
    TEditeaza dialog(NumeTabel, this);
    dialog.PregatesteExistent(*id);
    if (dialog.exec() == QDialog::Accepted)
        Reincarca();
}

void TListaGenerica::Sterge()
{
    const std::optional<int> id = IdSelectatSauMesaj(*m_vt, FaraSelectie);
    if (!id)
        return;
    if (!Prompt().Confirma(QStringLiteral("Doriti sa stergeti linia: ")))
        return;
    const QString& t = NumeTabelVerificat(NumeTabel);
    StergeInregistrare(t, *id);
    Reincarca();
}
