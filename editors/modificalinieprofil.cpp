#include "editors/modificalinieprofil.h"

#include "base/centreazafereastra.h"
#include "base/userprompt.h"
#include "db/depozit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QStringList Optiuni = {QStringLiteral("DA"), QStringLiteral("SELECTIV"), QStringLiteral("NU")};

} // namespace

TModificaLinieProfil::TModificaLinieProfil(QWidget* parent)
    : QDialog(parent), m_onorez(new QComboBox(this)), m_asociatCu(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Modifica linie profil"));
    setFixedSize(296, 128);
    (new QLabel(QStringLiteral("Onorez similar"), this))->setGeometry(8, 8, 180, 15);
    m_onorez->setObjectName(QStringLiteral("RzComboBox1"));
    m_onorez->addItems(Optiuni);
    m_onorez->setGeometry(8, 24, 180, 22);
    (new QLabel(QStringLiteral("Asociat cu"), this))->setGeometry(8, 52, 180, 15);
    m_asociatCu->setObjectName(QStringLiteral("RzEdit2"));
    m_asociatCu->setGeometry(8, 68, 180, 22);
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setGeometry(132, 98, 75, 25);
    auto* renunt = new QPushButton(QStringLiteral("Renunt"), this);
    renunt->setGeometry(213, 98, 75, 25);
    connect(ok, &QPushButton::clicked, this, &TModificaLinieProfil::Ok);
    connect(renunt, &QPushButton::clicked, this, &TModificaLinieProfil::Renunt);
    CentreazaFereastra(this);
}

void TModificaLinieProfil::Pregateste(const QString& codFormular, const QString& codPagina, const QString& codCamp)
{
    m_camp = {codFormular, codPagina, codCamp};
    const std::optional<TLegaturaCamp> legatura = LegaturaCamp(m_camp);
    const int index = legatura ? Optiuni.indexOf(legatura->OnorezSimilar) : -1;
    // Any value but DA and SELECTIV shows as NU.
    m_onorez->setCurrentIndex(index < 0 ? 2 : index);
    m_asociatCu->setText(legatura ? legatura->AsociatCu : QString());
}

void TModificaLinieProfil::Ok()
{
    const bool salvat = RuleazaCuEroare([this] {
        ScrieLegaturaCamp(m_camp, {Optiuni.value(m_onorez->currentIndex(), QStringLiteral("NU")), m_asociatCu->text()});
    });
    if (salvat)
        accept();
}
