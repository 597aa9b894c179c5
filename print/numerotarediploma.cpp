#include "print/numerotarediploma.h"

#include "base/userprompt.h"
#include "certificat/ariiregistru.h"
#include "forms/formulardeprintat.h"
#include "forms/formulartextarea.h"
#include "forms/umplereformular.h"
#include "print/lucraretiparire.h"
#include "print/registrareserie.h"
#include "print/tiparirediploma.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

TNumerotareDiploma::TNumerotareDiploma(TLinieAfisata elev, QWidget* parent)
    : QDialog(parent), m_elev(std::move(elev)),
      m_numerotare(new TNumerotareSerie(QStringLiteral("Numarul cartonului:")))
{
    setWindowTitle(QStringLiteral("Tiparire fata"));
    auto* butoane = new QDialogButtonBox;
    m_tipareste = butoane->addButton(QStringLiteral("&Tipareste"), QDialogButtonBox::AcceptRole);
    butoane->addButton(QStringLiteral("Renunt"), QDialogButtonBox::RejectRole);
    m_tipareste->setDefault(true);
    connect(butoane, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(butoane, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* asezare = new QVBoxLayout(this);
    asezare->addWidget(new QLabel(QStringLiteral("Certificatul elevului %1").arg(m_elev.Denumire)));
    asezare->addWidget(m_numerotare);
    asezare->addWidget(butoane);
    // The series and the next card are offered: usually only the number is typed over.
    m_numerotare->PrimulNumar()->setFocus();
    m_numerotare->PrimulNumar()->selectAll();
}

void TNumerotareDiploma::accept()
{
    m_cartonul.reset();
    if (!m_numerotare->isChecked()) {
        QDialog::accept();
        return;
    }
    RuleazaCuEroare([this] { m_cartonul = m_numerotare->Pregateste({m_elev}); });
    if (m_cartonul)
        QDialog::accept();
}

namespace {

// The entry's numbers on the page's registration lines, or blank lines; the preview shows them.
void ArataInregistrarea(TFormularDePrintat& fata, const TIntrareRegistru* intrare)
{
    const QList<TAriiPagina> arii{AriileModel(fata)};
    if (intrare)
        ScrieIntrarea(arii, *intrare);
    else
        ScrieInregistrarea(arii, QString(), QString());
    for (TFormularTextArea* area : fata.Arii())
        area->ActualizeazaDinModel();
}

} // namespace

void TiparesteFataInRegistru(TFormularDePrintat& fata, int idElev, QWidget* parinte)
{
    if (!ImprimantaPregatita())
        return;
    std::unique_ptr<TNumerotareDiploma> intrebare;
    if (!RuleazaCuEroare([&] {
            intrebare = std::make_unique<TNumerotareDiploma>(
                TLinieAfisata{idElev, EleviDeInregistrat({idElev}).front().Nume}, parinte);
        })
        || intrebare->exec() != QDialog::Accepted)
        return;
    // Until its card is recorded, the page carries no numbers: none of an earlier card.
    ArataInregistrarea(fata, nullptr);
    if (!intrebare->Cartonul()) {
        TiparesteDiploma(fata, TPaginaCertificat::Fata);
        return;
    }
    TInregistrareLaTiparire inregistrare(*intrebare->Cartonul());
    const bool tiparita = TiparesteDiploma(fata, TPaginaCertificat::Fata, false, [&] {
        // A retry after a passing failure prints the card already recorded.
        if (inregistrare.Tiparite().empty())
            inregistrare.Inregistreaza(idElev);
        ArataInregistrarea(fata, &inregistrare.Tiparite().back());
    });
    if (!tiparita) {
        RuleazaCuEroare([&] { AnuleazaCartoanele(inregistrare.Tiparite(), MotivTiparireEsuata); });
        ArataInregistrarea(fata, nullptr);
    } else if (CartoaneleIesiteBine(inregistrare.Tiparite(), parinte).empty()) {
        ArataInregistrarea(fata, nullptr);
    }
}
