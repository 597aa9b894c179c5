#include "print/panoumasurare.h"

#include "dialoguri/centreazafereastra.h"
#include "base/eroare.h"
#include "base/userprompt.h"
#include "print/desenecalibrare.h"
#include "print/masurareimprimanta.h"
#include "print/numarzecimal.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TPanouMasurare::TPanouMasurare(QWidget* parent) : QWidget(parent)
{
    auto* asezare = new QHBoxLayout(this);
    auto* imagine = new QLabel;
    imagine->setPixmap(ImagineMasurare());
    asezare->addWidget(imagine, 0, Qt::AlignTop);
    auto* dreapta = new QVBoxLayout;
    auto* explicatie = new QLabel(QStringLiteral(
        "Tipariti foaia de masurare pe o coala alba A4. Masurati cu o rigla, in milimetri, de la marginea din "
        "stanga si de la marginea de sus a foii pana la centrul fiecarei cruci, tinand foaia cu textul citibil."));
    explicatie->setWordWrap(true);
    dreapta->addWidget(explicatie);
    m_foaie = new QPushButton(QStringLiteral("Tipareste foaia de masurare"));
    connect(m_foaie, &QPushButton::clicked, this, [this] { Tipareste(false); });
    dreapta->addWidget(m_foaie, 0, Qt::AlignLeft);
    auto* grila = new QGridLayout;
    grila->addWidget(new QLabel(QStringLiteral("X (de la stanga)")), 0, 1);
    grila->addWidget(new QLabel(QStringLiteral("Y (de sus)")), 0, 2);
    grila->addWidget(new QLabel(QStringLiteral("Crucea A:")), 1, 0);
    grila->addWidget(new QLabel(QStringLiteral("Crucea B:")), 2, 0);
    for (int i = 0; i < 4; ++i) {
        m_citiri[i] = new QLineEdit;
        m_citiri[i]->setObjectName(QStringLiteral("Citire%1").arg(i));
        m_citiri[i]->setMaxLength(12);
        grila->addWidget(m_citiri[i], 1 + i / 2, 1 + i % 2);
    }
    dreapta->addLayout(grila);
    m_verificare = new QPushButton(QStringLiteral("Tipareste foaia de verificare"));
    m_verificare->setToolTip(QStringLiteral("Tipareste foaia din nou, corectata dupa distantele scrise: centrele "
                                            "crucilor trebuie sa ajunga la distantele scrise langa ele."));
    connect(m_verificare, &QPushButton::clicked, this, [this] { Tipareste(true); });
    dreapta->addWidget(m_verificare, 0, Qt::AlignLeft);
    dreapta->addStretch();
    asezare->addLayout(dreapta, 1);
}

void TPanouMasurare::Pregateste(TPaginaCertificat pagina, bool oglinda)
{
    m_pagina = pagina;
    m_oglinda = oglinda;
    for (QLineEdit* citire : m_citiri)
        citire->clear();
}

std::optional<TMasuratoareImprimanta> TPanouMasurare::Masuratoare() const
{
    try {
        TCitiriCalibrare citiri{};
        for (int i = 0; i < 4; ++i) {
            const QString text = m_citiri.at(i)->text().trimmed();
            if (text.isEmpty())
                throw EEroare(QStringLiteral("Scrieti toate cele patru distante, in milimetri."));
            citiri[i] = CitesteZecimal(text);
        }
        return MasoaraImprimanta(citiri);
    } catch (const std::exception& e) {
        Prompt().Avertisment(TextEroare(e));
    }
    return std::nullopt;
}

void TPanouMasurare::Tipareste(bool verificare) const
{
    TFoaieDeCalibrare foaie{m_pagina, m_oglinda, verificare, {}};
    if (verificare) {
        const std::optional<TMasuratoareImprimanta> masuratoare = Masuratoare();
        if (!masuratoare)
            return;
        foaie.Corectie = TCorectiePagina::Anuleaza(*masuratoare);
    }
    RuleazaCuEroare([&] { TiparesteFoaiaDeCalibrare(foaie); });
}

TMasurareImprimanta::TMasurareImprimanta(TPaginaCertificat pagina, bool oglinda, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TMasurareImprimanta"));
    setWindowTitle(pagina == TPaginaCertificat::Fata ? QStringLiteral("Masurarea imprimantei - fata")
                                                     : QStringLiteral("Masurarea imprimantei - spate"));
    auto* asezare = new QVBoxLayout(this);
    m_panou = new TPanouMasurare;
    m_panou->Pregateste(pagina, oglinda);
    asezare->addWidget(m_panou);
    auto* butoane = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("Ok"));
    auto* renunt = new QPushButton(QStringLiteral("Renunt"));
    connect(ok, &QPushButton::clicked, this, &TMasurareImprimanta::Ok);
    connect(renunt, &QPushButton::clicked, this, &QDialog::reject);
    butoane->addStretch();
    butoane->addWidget(ok);
    butoane->addWidget(renunt);
    asezare->addLayout(butoane);
    CentreazaFereastra(this);
}

void TMasurareImprimanta::Ok()
{
    m_masuratoare = m_panou->Masuratoare();
    if (m_masuratoare)
        accept();
}
