#include "app/conectareserver.h"

#include "base/userprompt.h"
#include "db/locbazadedate.h"
#include "db/parolaserver.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TConectareServer::TConectareServer(QWidget* parent)
    : QDialog(parent),
      m_local(new QRadioButton(QStringLiteral("Baza de date locala, pe acest calculator"), this)),
      m_peServer(new QRadioButton(QStringLiteral("Baza de date pe un server Firebird"), this)),
      m_server(new QLineEdit(this)),
      m_bazaDeDate(new QLineEdit(this)),
      m_utilizator(new QLineEdit(this)),
      m_parola(new QLineEdit(this)),
      m_testeaza(new QPushButton(QStringLiteral("Testeaza conexiunea"), this))
{
    setObjectName(QStringLiteral("TConectareServer"));
    setWindowTitle(QStringLiteral("Conectare la server"));
    setMinimumWidth(460);
    m_server->setPlaceholderText(QStringLiteral("secretariat sau secretariat/3050"));
    m_bazaDeDate->setPlaceholderText(QStringLiteral("pravent sau /var/lib/firebird/3.0/data/pravent.fdb"));
    m_parola->setEchoMode(QLineEdit::Password);

    auto* campuri = new QFormLayout;
    campuri->addRow(QStringLiteral("Server:"), m_server);
    campuri->addRow(QStringLiteral("Baza de date:"), m_bazaDeDate);
    campuri->addRow(QStringLiteral("Utilizator:"), m_utilizator);
    campuri->addRow(QStringLiteral("Parola:"), m_parola);
    campuri->addRow(QString(), m_testeaza);

    auto* nota = new QLabel(QStringLiteral("Parola se pastreaza in depozitul de parole al sistemului; unde acesta "
                                           "lipseste, este ceruta la fiecare pornire.\nSchimbarea are efect la "
                                           "urmatoarea pornire a programului."),
                            this);
    nota->setWordWrap(true);
    auto* butoane = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = butoane->button(QDialogButtonBox::Ok);
    butoane->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Renunta"));

    auto* asezare = new QVBoxLayout(this);
    asezare->addWidget(m_local);
    asezare->addWidget(m_peServer);
    asezare->addLayout(campuri);
    asezare->addWidget(nota);
    asezare->addWidget(butoane);

    const TSetariServer setari = TSetariServer::Citeste();
    (setari.Folosit() ? m_peServer : m_local)->setChecked(true);
    m_server->setText(setari.Server);
    m_bazaDeDate->setText(setari.BazaDeDate);
    m_utilizator->setText(setari.Utilizator);
    if (setari.Folosit())
        m_parola->setText(CitesteParolaSalvata(CheieParola(setari.Utilizator, setari.Conexiune())).value_or(QString()));

    connect(m_peServer, &QRadioButton::toggled, this, &TConectareServer::ArataCampurile);
    connect(m_testeaza, &QPushButton::clicked, this, &TConectareServer::TesteazaClick);
    connect(butoane, &QDialogButtonBox::accepted, this, &TConectareServer::OkClick);
    connect(butoane, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ArataCampurile();
}

void TConectareServer::ArataCampurile()
{
    for (QWidget* camp : {static_cast<QWidget*>(m_server), static_cast<QWidget*>(m_bazaDeDate),
                          static_cast<QWidget*>(m_utilizator), static_cast<QWidget*>(m_parola),
                          static_cast<QWidget*>(m_testeaza)})
        camp->setEnabled(m_peServer->isChecked());
}

// What the fields name, checked; the local database when that is chosen.
TSetariServer TConectareServer::SetariScrise() const
{
    if (m_local->isChecked())
        return {};
    TSetariServer setari{m_server->text().trimmed(), m_bazaDeDate->text().trimmed(), m_utilizator->text().trimmed()};
    ConexiuneServerVerificata(setari.Conexiune(), QStringLiteral("Serverul si baza de date"));
    if (setari.Utilizator.isEmpty())
        throw EEroare(QStringLiteral("Scrieti utilizatorul bazei de date de pe server."));
    return setari;
}

void TConectareServer::TesteazaClick()
{
    RuleazaCuEroare([this] {
        const TSetariServer setari = SetariScrise();
        VerificaConexiunea(TLocBazaDeDate::Server(setari.Conexiune(), setari.Utilizator, m_parola->text()));
        Prompt().Informatie(QStringLiteral("Conexiunea la baza de date \"%1\" reuseste.").arg(setari.Conexiune()));
    });
}

void TConectareServer::OkClick()
{
    RuleazaCuEroare([this] {
        const TSetariServer anterioare = TSetariServer::Citeste();
        const TSetariServer setari = SetariScrise();
        if (!setari.Scrie())
            return;
        if (anterioare.Folosit())
            StergeParolaSalvata(CheieParola(anterioare.Utilizator, anterioare.Conexiune()));
        if (setari.Folosit()) {
            const QString eroare = SalveazaParola(CheieParola(setari.Utilizator, setari.Conexiune()), m_parola->text());
            if (!eroare.isEmpty())
                Prompt().Informatie(QStringLiteral("Parola nu a putut fi pastrata in depozitul de parole al "
                                                   "sistemului (%1): va fi ceruta la fiecare pornire.")
                                        .arg(eroare));
        }
        accept();
    });
}

bool ConecteazaLaServer(QWidget* parent)
{
    TConectareServer dialog(parent);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> CerereParolaPrinDialog(const QString& intrebare)
{
    bool ok = false;
    const QString parola = QInputDialog::getText(nullptr, QStringLiteral("Parola bazei de date"), intrebare,
                                                 QLineEdit::Password, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return parola;
}
