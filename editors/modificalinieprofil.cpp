#include "editors/modificalinieprofil.h"

#include "base/centreazafereastra.h"
#include "base/userprompt.h"
#include "db/tdm.h"
#include "profile/inregistrare.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {

const QStringList Optiuni = {QStringLiteral("DA"), QStringLiteral("SELECTIV"), QStringLiteral("NU")};

// The table the running program's profile gives the line; empty when it has no such line.
QString AsociatCuDinProfil(const QString& codFormular, const QString& codPagina, const QString& codCamp)
{
    const TClasaProfilDiploma* clasa = ProfilInregistrat();
    if (!clasa)
        return {};
    const std::unique_ptr<TListaLiniiProfilDiploma> profil = clasa->Create();
    for (int i = 0; i < profil->Count(); ++i) {
        const TLinieProfilDiploma& linie = profil->Linie(i);
        if (linie.COD_FORMULAR == codFormular && linie.COD_PAGINA == codPagina && linie.COD_CAMP == codCamp)
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
    const QString asociatCu = q.Eof() ? QString() : q.FieldByName(QStringLiteral("ASOCIAT_CU")).AsString();
    q.Close();
    IncarcaTabelele();
    // A stored name that is none of the tables shows no choice: Ok then asks for one.
    m_asociatCu->setCurrentIndex(m_asociatCu->findText(asociatCu, Qt::MatchExactly | Qt::MatchCaseSensitive));
    const QString dinProfil = AsociatCuDinProfil(codFormular, codPagina, codCamp);
    m_dinProfil->setText(dinProfil.isEmpty() ? QString() : QStringLiteral("profil: ") + dinProfil);
}

void TModificaLinieProfil::IncarcaTabelele()
{
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    m_asociatCu->clear();
    q.SQL(QStringLiteral("select NUME_TABEL from TABELE order by NUME_TABEL"));
    for (q.Open(); !q.Eof(); q.Next())
        m_asociatCu->addItem(q.Fields(0).AsString());
}

void TModificaLinieProfil::Ok()
{
    if (m_asociatCu->currentIndex() < 0) {
        Prompt().Avertisment(QStringLiteral("Alegeti din lista \"Asociat cu\" tabelul caruia ii apartine campul."));
        return;
    }
    const bool salvat = RuleazaCuEroare([this] {
        TGardaTranzactie tr(DM().Tr());
        TInterogare& q = DM().Q1();
        q.SQL(QStringLiteral("update    PROFIL_DIPLOMA set    ONOREZ_SIMILAR = :ONOREZ_SIMILAR, ASOCIAT_CU = "
                             ":ASOCIAT_CU where    (COD_FORMULAR = :COD_FORMULAR)    and    (COD_PAGINA = "
                             ":COD_PAGINA)    and    (COD_CAMP = :COD_CAMP)"));
        q.ParamByName("ONOREZ_SIMILAR", Optiuni.value(m_onorez->currentIndex(), QStringLiteral("NU")));
        q.ParamByName("ASOCIAT_CU", m_asociatCu->currentText());
        LeagaCheia(q);
        q.ExecSQL();
        tr.Commit();
    });
    if (salvat)
        accept();
}
