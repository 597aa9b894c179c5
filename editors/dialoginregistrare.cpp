#include "editors/dialoginregistrare.h"

#include "dialoguri/centreazafereastra.h"
#include "base/userprompt.h"
#include "db/depozit.h"
#include "db/tdm.h"
#include "editors/editorgenericcomplex.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

bool EsteElev(const QString& tabel)
{
    return tabel == QLatin1String("ELEVI");
}

} // namespace

TDialogInregistrare::TDialogInregistrare(const QString& titlu, const QSize& marime, int latimeBara, QWidget* parent)
    : QDialog(parent), m_pagina(new TEditorGenericComplex(this))
{
    setWindowTitle(titlu);
    // Never larger than the work area, so that "Ok" stays on the screen.
    const QScreen* ecran = QGuiApplication::screenAt(QCursor::pos());
    if (!ecran)
        ecran = QGuiApplication::primaryScreen();
    resize(ecran ? marime.boundedTo(ecran->availableGeometry().size() - QSize(16, 48)) : marime);
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
    bool salvat = false;
    RuleazaCuEroare([&] { salvat = SalveazaFaraPierderi(); });
    if (salvat)
        accept();
}

void TDialogInregistrare::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_afisat)
        return;
    m_afisat = true;
    m_pagina->LaPrimaAfisare();
}

void TDialogInregistrare::reject()
{
    if (m_pagina->AreModificari()
        && !Prompt().Confirma(QStringLiteral("Renuntati la datele introduse? Modificarile nu vor fi salvate.")))
        return;
    QDialog::reject();
}

bool TDialogInregistrare::SalveazaFaraPierderi()
{
    for (;;) {
        std::vector<TDiferenta> diferente;
        if (RepetaLaConflict([&] { return IncearcaSalvarea(diferente); }) == TRezultatIncercare::Salvat)
            return true;
        if (!Prompt().Confirma(MesajModificat(diferente))) {
            ReincarcaPagina();
            return false;
        }
        TEditorGenericComplex::AcceptaValorileStocate(diferente);
    }
}

TDialogInregistrare::TRezultatIncercare TDialogInregistrare::IncearcaSalvarea(std::vector<TDiferenta>& diferente)
{
    TGardaTranzactie tr(DM().Tr());
    const int id = IdInregistrareEditata();
    if (id != -1) {
        // Locked first, so that no other save changes the record between the comparison
        // and the writes.
        if (!BlocheazaInregistrarea(Tabel(), id))
            throw EEroare(EsteElev(Tabel())
                              ? QStringLiteral("Elevul a fost sters intre timp de alt utilizator. Datele introduse nu "
                                               "au fost salvate; inchideti fereastra cu \"Renunt\".")
                              : QStringLiteral("Inregistrarea a fost stearsa intre timp de alt utilizator. Datele "
                                               "introduse nu au fost salvate; inchideti fereastra cu \"Renunt\"."));
        diferente = m_pagina->Diferente(Tabel(), id);
        if (!diferente.empty())
            return TRezultatIncercare::Modificat;
    }
    SalveazaInregistrare();
    tr.Commit();
    return TRezultatIncercare::Salvat;
}

QString TDialogInregistrare::MesajModificat(const std::vector<TDiferenta>& diferente) const
{
    QString mesaj = EsteElev(Tabel())
        ? QStringLiteral("Elevul a fost modificat de alt utilizator dupa ce l-ati deschis. Campurile care difera:\n")
        : QStringLiteral("Inregistrarea a fost modificata de alt utilizator dupa ce ati deschis-o. Campurile care "
                         "difera:\n");
    for (const TDiferenta& diferenta : diferente)
        mesaj += QStringLiteral("\n%1\n    valoarea dumneavoastra: \"%2\"\n    salvat acum: \"%3\"\n")
                     .arg(diferenta.Editor->RzLabel1()->text(), diferenta.ValoareaMea, diferenta.ValoareaStocata);
    return mesaj + QStringLiteral("\nPastrati valorile dumneavoastra, scriindu-le peste cele salvate acum? Daca "
                                  "raspundeti nu, fereastra arata valorile salvate acum.");
}
