#include "editors/configurarediploma.h"

#include "dialoguri/centreazafereastra.h"
#include "base/userprompt.h"
#include "db/depozit.h"
#include "editors/listacomuna.h"
#include "editors/modificalinieprofil.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TConfigurareDiploma::TConfigurareDiploma(QWidget* parent)
    : QDialog(parent),
      m_vt(CreeazaListaVT({QStringLiteral("Eticheta editor"), QStringLiteral("Onorez similar"), QStringLiteral("Asociat cu")},
                          {256, 128, 128}, this))
{
    setWindowTitle(QStringLiteral("Configurare Diploma"));
    resize(640, 480);
    m_vt->setStyleSheet(QStringLiteral("QTreeView::item { border-right: 1px solid #D0D0D0; border-bottom: 1px solid #D0D0D0; }"));
    QWidget* bara = BaraButoane(31, this);
    connect(ButonLa(QStringLiteral("Modifica"), 8, 3, bara), &QPushButton::clicked, this,
            [this] { RuleazaCuEroare([this] { Modifica(); }); });
    auto* asezare = new QVBoxLayout(this);
    asezare->setContentsMargins(5, 5, 5, 0);
    asezare->setSpacing(0);
    asezare->addWidget(m_vt);
    asezare->addWidget(bara);
    Incarca();
    CentreazaFereastra(this);
}

void TConfigurareDiploma::Incarca()
{
    m_vt->clear();
    m_linii = LiniiProfil();
    for (std::size_t i = 0; i < m_linii.size(); ++i) {
        const TLinieProfil& linie = m_linii[i];
        auto* nod = new QTreeWidgetItem(QStringList{linie.EtichetaEditor, linie.OnorezSimilar, linie.AsociatCu});
        nod->setData(0, Qt::UserRole, int(i));
        m_vt->addTopLevelItem(nod);
    }
}

void TConfigurareDiploma::Modifica()
{
    const std::optional<int> index =
        IdSelectatSauMesaj(*m_vt, QStringLiteral("Va rog selectati o linie pentru a o modifica!"));
    if (!index)
        return;
    const TLinieProfil& linie = m_linii.at(*index);
    TModificaLinieProfil dialog(this);
    dialog.Pregateste(linie.CodFormular, linie.CodPagina, linie.CodCamp);
    if (dialog.exec() == QDialog::Accepted)
        Incarca();
}
