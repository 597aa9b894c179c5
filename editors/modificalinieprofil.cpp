#include "editors/modificalinieprofil.h"

#include "base/centreazafereastra.h"
#include "base/userprompt.h"
#include "db/tdm.h"

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

void TModificaLinieProfil::LeagaCheia(TInterogare& q) const
{
    q.ParamByName("COD_FORMULAR", m_codFormular);
    q.ParamByName("COD_PAGINA", m_codPagina);
    q.ParamByName("COD_CAMP", m_codCamp);
}

void TModificaLinieProfil::Pregateste(const QString& codFormular, const QString& codPagina, const QString& codCamp)
{
    m_codFormular = codFormular;
    m_codPagina = codPagina;
    m_codCamp = codCamp;
    TGardaTranzactie tr(DM().Tr());
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("select    ONOREZ_SIMILAR, ASOCIAT_CU from    PROFIL_DIPLOMA where    (COD_FORMULAR = "
                         ":COD_FORMULAR) and (COD_PAGINA = :COD_PAGINA) and (COD_CAMP = :COD_CAMP)"));
    LeagaCheia(q);
    q.Open();
    const QString onorez = q.Eof() ? QString() : q.FieldByName(QStringLiteral("ONOREZ_SIMILAR")).AsString();
    const int index = Optiuni.indexOf(onorez);
    // Any value but DA and SELECTIV shows as NU.
    m_onorez->setCurrentIndex(index < 0 ? 2 : index);
    m_asociatCu->setText(q.Eof() ? QString() : q.FieldByName(QStringLiteral("ASOCIAT_CU")).AsString());
}

void TModificaLinieProfil::Ok()
{
    const bool salvat = RuleazaCuEroare([this] {
        TGardaTranzactie tr(DM().Tr());
        TInterogare& q = DM().Q1();
        q.SQL(QStringLiteral("update    PROFIL_DIPLOMA set    ONOREZ_SIMILAR = :ONOREZ_SIMILAR, ASOCIAT_CU = "
                             ":ASOCIAT_CU where    (COD_FORMULAR = :COD_FORMULAR)    and    (COD_PAGINA = "
                             ":COD_PAGINA)    and    (COD_CAMP = :COD_CAMP)"));
        q.ParamByName("ONOREZ_SIMILAR", Optiuni.value(m_onorez->currentIndex(), QStringLiteral("NU")));
        q.ParamByName("ASOCIAT_CU", m_asociatCu->text());
        LeagaCheia(q);
        q.ExecSQL();
        tr.Commit();
    });
    if (salvat)
        accept();
}
