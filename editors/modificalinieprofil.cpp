#include "editors/modificalinieprofil.h"

#include "dialoguri/centreazafereastra.h"
#include "base/userprompt.h"
#include "db/depozit.h"
#include "profile/inregistrare.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {

const QStringList Optiuni = {QStringLiteral("DA"), QStringLiteral("SELECTIV"), QStringLiteral("NU")};

// The table the running program's profile gives the line; empty when it has no such line.
QString AsociatCuDinProfil(const TReferintaCamp& camp)
{
    const TClasaProfilDiploma* clasa = ProfilInregistrat();
    if (!clasa)
        return {};
    const std::unique_ptr<TListaLiniiProfilDiploma> profil = clasa->Create();
    for (int i = 0; i < profil->Count(); ++i) {
        const TLinieProfilDiploma& linie = profil->Linie(i);
        if (linie.COD_FORMULAR == camp.Formular && linie.COD_PAGINA == camp.Pagina && linie.COD_CAMP == camp.Camp)
            return linie.ASOCIAT_CU;
    }
    return {};
}

} // namespace

TModificaLinieProfil::TModificaLinieProfil(QWidget* parent)
    : QDialog(parent), m_onorez(new QComboBox(this)), m_asociatCu(new QComboBox(this)), m_dinProfil(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Modifica linie profil"));
    setFixedSize(296, 128);
    (new QLabel(QStringLiteral("Onorez similar"), this))->setGeometry(8, 8, 180, 15);
    m_onorez->setObjectName(QStringLiteral("RzComboBox1"));
    m_onorez->addItems(Optiuni);
    m_onorez->setGeometry(8, 24, 180, 22);
    (new QLabel(QStringLiteral("Asociat cu"), this))->setGeometry(8, 52, 180, 15);
    m_asociatCu->setObjectName(QStringLiteral("RzComboBox2"));
    m_asociatCu->setGeometry(8, 68, 180, 22);
    m_dinProfil->setGeometry(196, 71, 96, 15);
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
    m_asociatCu->clear();
    m_asociatCu->addItems(NumeleTabelelor());
    // A stored name that is none of the tables shows no choice: Ok then asks for one.
    const QString asociatCu = legatura ? legatura->AsociatCu : QString();
    m_asociatCu->setCurrentIndex(m_asociatCu->findText(asociatCu, Qt::MatchExactly | Qt::MatchCaseSensitive));
    const QString dinProfil = AsociatCuDinProfil(m_camp);
    m_dinProfil->setText(dinProfil.isEmpty() ? QString() : QStringLiteral("profil: ") + dinProfil);
}

void TModificaLinieProfil::Ok()
{
    if (m_asociatCu->currentIndex() < 0) {
        Prompt().Avertisment(QStringLiteral("Alegeti din lista \"Asociat cu\" tabelul caruia ii apartine campul."));
        return;
    }
    const bool salvat = RuleazaCuEroare([this] {
        ScrieLegaturaCamp(m_camp,
                          {Optiuni.value(m_onorez->currentIndex(), QStringLiteral("NU")), m_asociatCu->currentText()});
    });
    if (salvat)
        accept();
}
