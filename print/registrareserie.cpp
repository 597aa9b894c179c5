#include "print/registrareserie.h"

#include "base/userprompt.h"
#include "db/tdm.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

TNumerotareSerie::TNumerotareSerie(const QString& carton, QWidget* parent)
    : QGroupBox(QStringLiteral("Trec cartoanele in registru"), parent), m_seria(new QLineEdit),
      m_primulNumar(new QLineEdit), m_data(new QDateEdit(QDate::currentDate()))
{
    setCheckable(true);
    m_data->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    m_data->setCalendarPopup(true);
    m_seria->setMaxLength(8);
    m_primulNumar->setMaxLength(6);
    const TRegistruCertificate registru(DM().Tr());
    const QString seria = registru.UltimaSerie();
    m_seria->setText(seria);
    if (!seria.isEmpty())
        UrmatorulNumar(registru.UrmatorulNumarCarton(seria));
    auto* asezare = new QFormLayout(this);
    asezare->addRow(QStringLiteral("Seria:"), m_seria);
    asezare->addRow(carton, m_primulNumar);
    asezare->addRow(QStringLiteral("Data inregistrarii:"), m_data);
}

void TNumerotareSerie::UrmatorulNumar(int numar)
{
    m_primulNumar->setText(QString::number(numar));
}

std::optional<TNumerotareCartoane> TNumerotareSerie::Citeste() const
{
    TNumerotareCartoane numerotare;
    numerotare.Seria = m_seria->text().trimmed().toUpper();
    numerotare.Data = m_data->date();
    QString eroare = VerificaSeria(numerotare.Seria);
    if (eroare.isEmpty())
        eroare = VerificaNumarCarton(m_primulNumar->text(), &numerotare.PrimulNumar);
    if (!eroare.isEmpty()) {
        Prompt().Avertisment(eroare);
        return std::nullopt;
    }
    return numerotare;
}

std::optional<TNumerotareCartoane> TNumerotareSerie::Pregateste(const TLiniiAfisate& elevi) const
{
    std::optional<TNumerotareCartoane> numerotare = Citeste();
    if (!numerotare || !PregatesteNumerotarea(elevi, *numerotare))
        return std::nullopt;
    return numerotare;
}

bool PregatesteNumerotarea(const TLiniiAfisate& elevi, TNumerotareCartoane& numerotare)
{
    const TRegistruCertificate registru(DM().Tr());
    for (int i = 0; i < static_cast<int>(elevi.size()); ++i)
        if (const std::optional<TIntrareRegistru> folosit = registru.Intrare(numerotare.Seria, numerotare.PrimulNumar + i)) {
            Prompt().Avertisment(QStringLiteral("Cartonul seria %1 nr. %2 a fost deja folosit (nr. inregistrare %3, %4). "
                                                "Primul carton nefolosit al seriei este %5.")
                                     .arg(folosit->Seria, NumarCartonAfisat(folosit->Numar))
                                     .arg(folosit->NrInregistrare)
                                     .arg(folosit->Nume)
                                     .arg(NumarCartonAfisat(registru.UrmatorulNumarCarton(numerotare.Seria))));
            return false;
        }
    QStringList cuCertificat;
    for (const TLinieAfisata& elev : elevi)
        if (const std::optional<TIntrareRegistru> valabil = registru.CertificatValabil(elev.Id))
            cuCertificat << QStringLiteral("- %1: seria %2 nr. %3")
                                .arg(elev.Denumire, valabil->Seria, NumarCartonAfisat(valabil->Numar));
    numerotare.Reluare = TReluare::Refuza;
    if (cuCertificat.isEmpty())
        return true;
    const QString lista = cuCertificat.join(u'\n');
    const bool unul = cuCertificat.size() == 1;
    if (!Prompt().Confirma(unul ? QStringLiteral("Elevul are deja un certificat valabil:\n%1\n\nIi tipariti un "
                                                 "certificat nou?")
                                      .arg(lista)
                                : QStringLiteral("Acesti elevi au deja un certificat valabil:\n%1\n\nLe tipariti un "
                                                 "certificat nou?")
                                      .arg(lista)))
        return false;
    const QString intrebare =
        unul ? QStringLiteral("Cartonul lui de mai sus s-a tiparit gresit?\n\nDa: cartonul vechi se anuleaza si cel nou "
                              "il inlocuieste.\nNu: certificatul a fost pierdut sau deteriorat dupa predare; se "
                              "tipareste un duplicat.")
             : QStringLiteral("Cartoanele lor de mai sus s-au tiparit gresit?\n\nDa: cartoanele vechi se anuleaza si "
                              "cele noi le inlocuiesc.\nNu: certificatele au fost pierdute sau deteriorate dupa "
                              "predare; se tiparesc duplicate.");
    numerotare.Reluare = Prompt().Confirma(intrebare) ? TReluare::Retiparire : TReluare::Duplicat;
    return true;
}

const TIntrareRegistru& TInregistrareLaTiparire::Inregistreaza(int idElev)
{
    const TCerereInregistrare cerere{m_numerotare.Seria, UrmatorulNumar(), m_numerotare.Data,
                                     EleviDeInregistrat({idElev}), m_numerotare.Reluare};
    m_tiparite.push_back(TRegistruCertificate(DM().Tr()).Inregistreaza(cerere).front());
    return m_tiparite.back();
}

TCartoaneTiparite::TCartoaneTiparite(std::vector<TIntrareRegistru> cartoane, QWidget* parent)
    : QDialog(parent), m_cartoane(std::move(cartoane)), m_lista(new QListWidget)
{
    setWindowTitle(QStringLiteral("Cartoanele tiparite"));
    for (const TIntrareRegistru& carton : m_cartoane) {
        auto* rand = new QListWidgetItem(QStringLiteral("Seria %1 nr. %2 - %3 (nr. inregistrare %4)")
                                             .arg(carton.Seria, NumarCartonAfisat(carton.Numar), carton.Nume)
                                             .arg(carton.NrInregistrare),
                                         m_lista);
        rand->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        rand->setCheckState(Qt::Checked);
    }
    auto* butoane = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(butoane, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* explicatie = new QLabel(QStringLiteral("Debifati cartoanele care nu au iesit bine: se anuleaza (\"%1\"), "
                                                 "iar elevii lor primesc un carton nou la tiparirea urmatoare.")
                                      .arg(MotivTiparitGresit));
    explicatie->setWordWrap(true);
    // As tall as its cards, one or a class, within a small screen.
    m_lista->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    auto* asezare = new QVBoxLayout(this);
    asezare->addWidget(explicatie);
    asezare->addWidget(m_lista, 1);
    asezare->addWidget(butoane);
    resize(620, std::min(sizeHint().height(), 520));
}

std::vector<TIntrareRegistru> TCartoaneTiparite::Stricate() const
{
    std::vector<TIntrareRegistru> stricate;
    for (int i = 0; i < m_lista->count(); ++i)
        if (m_lista->item(i)->checkState() != Qt::Checked)
            stricate.push_back(m_cartoane.at(i));
    return stricate;
}

std::vector<TIntrareRegistru> CartoaneleIesiteBine(const std::vector<TIntrareRegistru>& tiparite, QWidget* parinte)
{
    if (tiparite.empty())
        return {};
    TCartoaneTiparite cartoane(tiparite, parinte);
    cartoane.exec();
    const std::vector<TIntrareRegistru> stricate = cartoane.Stricate();
    RuleazaCuEroare([&] { AnuleazaCartoanele(stricate, MotivTiparitGresit); });
    std::vector<TIntrareRegistru> bune;
    for (const TIntrareRegistru& carton : tiparite)
        if (std::none_of(stricate.cbegin(), stricate.cend(),
                         [&carton](const TIntrareRegistru& stricat) { return stricat.Id == carton.Id; }))
            bune.push_back(carton);
    return bune;
}
