#include "editors/dialoginregistrare.h"

#include "base/centreazafereastra.h"
#include "base/userprompt.h"
#include "db/tdm.h"
#include "editors/editorgenericcomplex.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TDialogInregistrare::TDialogInregistrare(const QString& titlu, const QSize& marime, int latimeBara, QWidget* parent)
    : QDialog(parent), m_pagina(new TEditorGenericComplex(this))
{
    setWindowTitle(titlu);
    resize(marime);
    auto* bara = new QWidget(this);
    bara->setFixedWidth(latimeBara);
    auto* butoane = new QVBoxLayout(bara);
    auto* ok = new QPushButton(QStringLiteral("Ok"), bara);
    auto* renunt = new QPushButton(QStringLiteral("Renunt"), bara);
    butoane->addWidget(ok);
    butoane->addWidget(renunt);
    butoane->addStretch();
    auto* asezare = new QHBoxLayout(this);
    asezare->setContentsMargins(0, 0, 0, 0);
    asezare->setSpacing(0);
    asezare->addWidget(m_pagina);
    asezare->addWidget(bara);
    connect(ok, &QPushButton::clicked, this, &TDialogInregistrare::Ok);
    connect(renunt, &QPushButton::clicked, this, &TDialogInregistrare::Renunt);
    CentreazaFereastra(this);
}

void TDialogInregistrare::Ok()
{
    if (!m_pagina->PotSalvaTot())
        return;
    const bool salvat = RuleazaCuEroare([this] {
        TGardaTranzactie tr(DM().Tr());
        SalveazaInregistrare();
        tr.Commit();
    });
    if (salvat)
        accept();
}
