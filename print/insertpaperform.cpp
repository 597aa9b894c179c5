#include "print/insertpaperform.h"

#include "dialoguri/centreazafereastra.h"
#include "base/userprompt.h"
#include "print/allstuffreg.h"
#include "print/deseneintroducere.h"
#include "print/margine.h"
#include "print/numarzecimal.h"
#include "print/panoumasurare.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>
#include <optional>

namespace {

std::unique_ptr<TInsertPaperForm> g_instanta;

// What the prompt shows for a page, by whether a sheet put back comes out on its other face.
struct TAspectPagina {
    const char* Titlu;
    int ImagineNebifat;
    int ImagineBifat;
};

const TAspectPagina Aspecte[2][2] = {
    {{"(1)", 3, 1}, {"(2)", 2, 4}}, // front: sides kept, sides opposite
    {{"(3)", 2, 4}, {"(4)", 1, 3}}, // back
};

QLabel* EtichetaCuImagine(const QPixmap& imagine, QWidget* parinte)
{
    auto* eticheta = new QLabel(parinte);
    eticheta->setPixmap(imagine);
    eticheta->adjustSize();
    return eticheta;
}

} // namespace

TInsertPaperForm& TInsertPaperForm::Instanta()
{
    if (!g_instanta) {
        g_instanta.reset(new TInsertPaperForm);
        // Windows must go before the application does.
        qAddPostRoutine([] { g_instanta.reset(); });
    }
    return *g_instanta;
}

TInsertPaperForm::TInsertPaperForm()
{
    setObjectName(QStringLiteral("TInsertPaperForm"));
    setWindowTitle(QStringLiteral("Introduceti diploma in imprimanta"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    setFont(font);
    auto* asezare = new QHBoxLayout(this);
    asezare->addWidget(Imagini());
    asezare->addWidget(Comenzi(), 1);
    // Room for the line of a class job, which only such a job shows.
    ArataNumarulDeDiplome(999);
    setFixedSize(sizeHint().expandedTo(QSize(520, 290)));
    ArataNumarulDeDiplome(0);
    CentreazaFereastra(this);
}

QWidget* TInsertPaperForm::Imagini()
{
    auto* zona = new QWidget;
    zona->setFixedSize(190, 250);
    for (int i = 0; i < 4; ++i) {
        m_imagini[i] = EtichetaCuImagine(ImagineCoala(i + 1), zona);
        m_imagini[i]->move(30, 28);
    }
    m_sageataJos = EtichetaCuImagine(SageataRosie(true), zona);
    m_sageataSus = EtichetaCuImagine(SageataRosie(false), zona);
    return zona;
}

QWidget* TInsertPaperForm::Comenzi()
{
    auto* comenzi = new QWidget;
    auto* asezare = new QVBoxLayout(comenzi);
    auto* instructiune =
        new QLabel(QStringLiteral("Va rog sa introduceti diploma in imprimanta, asa cum apare in imaginea din stanga."));
    instructiune->setWordWrap(true);
    asezare->addWidget(instructiune);
    m_numarDiplome = new QLabel;
    m_numarDiplome->setObjectName(QStringLiteral("NumarDiplome"));
    QFont ingrosat = m_numarDiplome->font();
    ingrosat.setBold(true);
    m_numarDiplome->setFont(ingrosat);
    m_numarDiplome->hide();
    asezare->addWidget(m_numarDiplome);
    m_margineStanga = new QLineEdit;
    m_margineSus = new QLineEdit;
    asezare->addWidget(new QLabel(QStringLiteral("Margine stanga, in milimetri.")));
    asezare->addWidget(m_margineStanga);
    asezare->addWidget(new QLabel(QStringLiteral("Margine sus, in milimetri.")));
    asezare->addWidget(m_margineSus);
    m_masurare = new QPushButton(QStringLiteral("Masoara imprimanta..."));
    connect(m_masurare, &QPushButton::clicked, this, &TInsertPaperForm::Masoara);
    asezare->addWidget(m_masurare, 0, Qt::AlignLeft);
    m_oglinda = new QCheckBox(QStringLiteral("Tiparesc imaginea in oglinda"));
    connect(m_oglinda, &QCheckBox::toggled, this, &TInsertPaperForm::ArataImaginea);
    asezare->addWidget(m_oglinda);
    asezare->addWidget(new QLabel(QStringLiteral("Utilizati aceasta bifa pentru a va asigura\n"
                                                 "ca diploma NU se introduce in imprimanta\n"
                                                 "cu cotorul inainte.")));
    asezare->addStretch();
    auto* butoane = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("Ok"));
    auto* renunt = new QPushButton(QStringLiteral("Renunt"));
    connect(ok, &QPushButton::clicked, this, &TInsertPaperForm::Ok);
    connect(renunt, &QPushButton::clicked, this, &TInsertPaperForm::Renunt);
    butoane->addStretch();
    butoane->addWidget(ok);
    butoane->addWidget(renunt);
    asezare->addLayout(butoane);
    return comenzi;
}

void TInsertPaperForm::Pregateste(int pagina, double stanga, double sus, const TAllStuffReg& setari)
{
    for (QLabel* imagine : m_imagini)
        imagine->hide();
    const TPaginaCertificat parte = PaginaDinIndex(pagina);
    m_pagina = pagina;
    const TAspectPagina& aspect = Aspecte[IndexPagina(parte)][setari.PartiOpuse ? 1 : 0];
    setWindowTitle(QString::fromLatin1(aspect.Titlu));
    m_imagineNebifat = aspect.ImagineNebifat;
    m_imagineBifat = aspect.ImagineBifat;
    const bool inJos = AlimentareInJos(ModAlimentareDinNumar(setari.ModAlimentare));
    m_sageataJos->setVisible(inJos);
    m_sageataSus->setVisible(!inJos);
    m_oglinda->setChecked(PaginaOglindita(parte, setari));
    m_margineStanga->setText(TextZecimal(stanga));
    m_margineSus->setText(TextZecimal(sus));
    m_stanga = stanga;
    m_sus = sus;
    ArataImaginea();
}

void TInsertPaperForm::ArataNumarulDeDiplome(int diplome)
{
    m_numarDiplome->setText(QStringLiteral("Puneti in imprimanta %1.").arg(NumarDeDiplome(diplome)));
    m_numarDiplome->setVisible(diplome > 0);
}

void TInsertPaperForm::ArataImaginea()
{
    const int aratata = m_oglinda->isChecked() ? m_imagineBifat : m_imagineNebifat;
    for (int i = 0; i < 4; ++i)
        m_imagini[i]->setHidden(i + 1 != aratata);
}

int TInsertPaperForm::ImagineAratata() const
{
    for (int i = 0; i < 4; ++i)
        if (!m_imagini[i]->isHidden())
            return i + 1;
    return 0;
}

bool TInsertPaperForm::SageataInJos() const
{
    return !m_sageataJos->isHidden();
}

bool TInsertPaperForm::SageataInSus() const
{
    return !m_sageataSus->isHidden();
}

void TInsertPaperForm::Masoara()
{
    TAllStuffReg* setari = TAllStuffReg::Curent();
    if (!setari)
        return;
    const TPaginaCertificat parte = PaginaDinIndex(m_pagina);
    TMasurareImprimanta masurare(parte, m_oglinda->isChecked(), this);
    if (masurare.exec() != QDialog::Accepted)
        return;
    setari->SeteazaMasuratoarea(parte, *masurare.Masuratoare());
    m_margineStanga->setText(TextZecimal(setari->MargineStanga(parte)));
    m_margineSus->setText(TextZecimal(setari->MargineSus(parte)));
}

void TInsertPaperForm::Ok()
{
    RuleazaCuEroare([this] {
        const std::optional<double> stanga = CitesteMargine(m_margineStanga->text());
        const std::optional<double> sus = CitesteMargine(m_margineSus->text());
        if (!stanga || !sus) {
            Prompt().Avertisment(MotivMargineRefuzata());
            return;
        }
        m_stanga = *stanga;
        m_sus = *sus;
        accept();
    });
}

QString NumarDeDiplome(int diplome)
{
    if (diplome == 1)
        return QStringLiteral("1 diploma");
    // From twenty on, Romanian puts "de" between a number and its noun, unless the number
    // ends in 01 to 19.
    const int ultimele = diplome % 100;
    const bool cuDe = diplome >= 20 && (ultimele == 0 || ultimele >= 20);
    return QStringLiteral("%1 %2diplome").arg(diplome).arg(cuDe ? QStringLiteral("de ") : QString());
}

int AskForPaper(int pagina, double& stanga, double& sus, bool& oglindaFata, bool& oglindaVerso, int diplome)
{
    // Outside a print job the prompt holds the settings itself for the time it is shown.
    std::optional<TAllStuffReg> propriu;
    if (!TAllStuffReg::Curent())
        propriu.emplace();
    TAllStuffReg& setari = *TAllStuffReg::Curent();
    TInsertPaperForm& prompt = TInsertPaperForm::Instanta();
    prompt.Pregateste(pagina, stanga, sus, setari);
    prompt.ArataNumarulDeDiplome(diplome);
    const int rezultat = prompt.exec();
    const bool oglinda = prompt.Oglinda()->isChecked();
    setari.SeteazaOglinda(PaginaDinIndex(pagina), oglinda ? TOglinda::Da : TOglinda::Nu);
    oglindaFata = oglinda;
    oglindaVerso = oglinda;
    if (rezultat == QDialog::Accepted) {
        stanga = prompt.Stanga();
        sus = prompt.Sus();
    }
    return rezultat;
}
