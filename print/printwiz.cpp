#include "print/printwiz.h"

#include "dialoguri/cadruasistent.h"
#include "dialoguri/centreazafereastra.h"
#include "base/userprompt.h"
#include "print/allstuffreg.h"
#include "print/desenecalibrare.h"
#include "print/imaginitest.h"
#include "print/imprimantacurenta.h"
#include "print/panoumasurare.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString TitluManevrare = QStringLiteral("Stabilirea modului de manevrare a hartiei.");

QLabel* Titlu(const QString& text)
{
    auto* titlu = new QLabel(text);
    QFont font = titlu->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 2);
    titlu->setFont(font);
    titlu->setWordWrap(true);
    return titlu;
}

QLabel* Paragraf(const QString& text)
{
    auto* paragraf = new QLabel(text);
    paragraf->setWordWrap(true);
    return paragraf;
}

QLabel* Imagine(const QPixmap& imagine)
{
    auto* eticheta = new QLabel;
    eticheta->setPixmap(imagine);
    eticheta->setAlignment(Qt::AlignCenter);
    return eticheta;
}

// A page of a title and paragraphs; the caller may add more below them.
QVBoxLayout* PaginaNoua(QWidget* pagina, const QStringList& texte)
{
    auto* asezare = new QVBoxLayout(pagina);
    asezare->addWidget(Titlu(texte.first()));
    for (int i = 1; i < texte.size(); ++i)
        asezare->addWidget(Paragraf(texte.at(i)));
    return asezare;
}

QWidget* PaginaCuTexte(const QStringList& texte)
{
    auto* pagina = new QWidget;
    PaginaNoua(pagina, texte)->addStretch();
    return pagina;
}

// One choice in a grid: its picture, the button and, under it, its explanation if any.
void AdaugaAlegere(QGridLayout* grila, QButtonGroup* grup, const TPrintWiz::TAlegere& alegere)
{
    const int rand = grila->rowCount();
    auto* buton = new QRadioButton(alegere.Text);
    grup->addButton(buton, grup->buttons().size());
    const bool cuExplicatie = !alegere.Explicatie.isEmpty();
    grila->addWidget(Imagine(alegere.Imagine), rand, 0, cuExplicatie ? 2 : 1, 1);
    grila->addWidget(buton, rand, 1);
    if (cuExplicatie)
        grila->addWidget(Paragraf(alegere.Explicatie), rand + 1, 1);
}

} // namespace

TPrintWiz::TPrintWiz(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TPrintWiz"));
    setWindowTitle(QStringLiteral("Formular pentru pregatirea imprimantei"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(623, 475);

    m_pagini = new QStackedWidget;
    AdaugaPagina(0, PaginaImprimante());
    AdaugaPagina(1, PaginaAlimentare());
    AdaugaPagina(2, PaginaCuTexte({QStringLiteral("Ati selectat alimentare cu caseta frontala."),
                                   QStringLiteral("Imprimantele HP cu jet de cerneala rasucesc hartia in imprimanta, "
                                                  "astfel incat hartia iese din imprimanta tot prin partea din fata."),
                                   QStringLiteral("Daca acesta este modul in care imprimanta dumneavoastra functioneaza "
                                                  "in mod normal, va rugam sa aruncati o privire in spatele "
                                                  "imprimantei. Este posibil ca imprimanta dumneavoastra sa aiba o "
                                                  "caseta care se deschide si permite hartiei sa iasa in spate."),
                                   QStringLiteral("Daca aceasta caseta exista, este preferabil sa listati diplomele cu "
                                                  "caseta deschisa, pentru a nu indoi cartonul.")}));
    AdaugaPagina(3, PaginaCuTexte({QStringLiteral("Ati selectat alimentare cu caseta interna."),
                                   QStringLiteral("Tiparirea diplomelor pe imprimante cu caseta interna pentru "
                                                  "alimentare cu hartie poate fi greoaie."),
                                   QStringLiteral("Multe dintre imprimantele de acest gen au posibilitatea alimentarii "
                                                  "cu hartie manual. Cautati in manualul imprimantei informatii despre "
                                                  "aceasta posibilitate."),
                                   QStringLiteral("Daca imprimanta poate fi alimentata cu hartie manual, va recomandam "
                                                  "sa utilizati aceasta modalitate pentru tiparirea diplomelor.")}));
    AdaugaPagina(4, PaginaReprezentare());
    AdaugaPagina(5, PaginaCuTexte({TitluManevrare,
                                   QStringLiteral("Introduceti o coala alba de hartie in imprimanta. Apasati butonul "
                                                  "\"Inainte\" cand imprimanta este pregatita.")}));
    AdaugaPagina(6, PaginaReintroducere(6, m_textPagina6, m_imaginePagina6));
    AdaugaPagina(7, PaginaParte());
    AdaugaPagina(8, PaginaReintroducere(8, m_textPagina8, m_imaginePagina8));
    AdaugaPagina(9, PaginaLinii());
    AdaugaPagina(10, PaginaMasurare(TPaginaCertificat::Fata));
    AdaugaPagina(11, PaginaMasurare(TPaginaCertificat::Spate));
    AdaugaPagina(13, PaginaCuTexte({QStringLiteral("Am finalizat"),
                                    QStringLiteral("Toate informatiile necesare au fost obtinute. Ramane la aprecierea "
                                                   "dumneavoastra daca precizia imprimantei este suficienta pentru a "
                                                   "tipari diplome."),
                                    QStringLiteral("Pentru a inchide acest formular apasati butonul \"Inainte\"")}));

    const TButoaneAsistent butoane =
        AseazaAsistent(*this, m_pagini, QStringLiteral("Formular pentru configurarea imprimantei"),
                       ImagineAntetCalibrare());
    m_inapoi = butoane.Inapoi;
    m_inainte = butoane.Inainte;
    m_renunt = butoane.Renunt;
    connect(m_inapoi, &QPushButton::clicked, this, &TPrintWiz::Inapoi);
    connect(m_inainte, &QPushButton::clicked, this, &TPrintWiz::Inainte);
    connect(m_renunt, &QPushButton::clicked, this, &TPrintWiz::Renunt);
    Arata(0);
    CentreazaFereastra(this);
}

void TPrintWiz::AdaugaPagina(int numar, QWidget* pagina)
{
    pagina->setObjectName(QStringLiteral("Pagina%1").arg(numar));
    m_indexPagina.insert(numar, m_pagini->addWidget(pagina));
}

QWidget* TPrintWiz::PaginaImprimante()
{
    auto* pagina = new QWidget;
    QVBoxLayout* asezare = PaginaNoua(
        pagina, {QStringLiteral("Selectati imprimanta"),
                 QStringLiteral("Va rugam selectati, din lista de mai jos, imprimanta cu care doriti sa tipariti "
                                "diplomele")});
    m_imprimante = new QTreeWidget;
    m_imprimante->setRootIsDecorated(false);
    m_imprimante->setHeaderLabels({QStringLiteral("Denumire")});
    const QString curenta = ImprimantaCurenta();
    for (const QString& nume : ::ListaImprimante()) {
        auto* linie = new QTreeWidgetItem(m_imprimante, {nume});
        if (nume == curenta)
            m_imprimante->setCurrentItem(linie);
    }
    asezare->addWidget(m_imprimante, 1);
    return pagina;
}

QWidget* TPrintWiz::PaginaCuAlegeri(int numar, const QStringList& texte, const QList<TAlegere>& alegeri)
{
    auto* pagina = new QWidget;
    QVBoxLayout* asezare = PaginaNoua(pagina, texte);
    auto* grila = new QGridLayout;
    auto* grup = new QButtonGroup(pagina);
    for (const TAlegere& alegere : alegeri)
        AdaugaAlegere(grila, grup, alegere);
    grila->setColumnStretch(1, 1);
    asezare->addLayout(grila);
    asezare->addStretch();
    m_alegeri.insert(numar, grup);
    connect(grup, &QButtonGroup::idToggled, this, [this] { ActualizeazaInainte(); });
    return pagina;
}

QWidget* TPrintWiz::PaginaAlimentare()
{
    return PaginaCuAlegeri(
        1, {QStringLiteral("Selectati modul de alimentare cu hartie:")},
        {{QStringLiteral("Alimentarea prin partea de sus"), ImagineModAlimentare(TModAlimentare::PrinSus),
          QStringLiteral("Selectati acest mod de alimentare cu hartie daca imprimanta dumneavoastra ia hartia "
                         "dintr-o caseta aflata in partea din spate a imprimantei. Majoritatea imprimantelor Epson cu "
                         "jet de cerneala sunt alimentate in acest mod.")},
         {QStringLiteral("Alimentare frontala"), ImagineModAlimentare(TModAlimentare::Frontal),
          QStringLiteral("Selectati acest mod de alimentare daca imprimanta dumneavoastra ia hartia dintr-o tavita "
                         "aflata in partea din fata a imprimantei. Majoritatea imprimantelor HP cu jet de cerneala "
                         "utilizeaza acest mod de alimentare.")},
         {QStringLiteral("Alimentare cu caseta interna sau alte modalitati"), ImagineModAlimentare(TModAlimentare::CasetaInversata),
          QStringLiteral("Alegeti aceasta optiune daca imprimanta dumneavoastra ia hartia dintr-o caseta interna sau "
                         "daca nici una dintre metodele anterioare nu este corecta. Majoritatea imprimantelor laser "
                         "profesionale intra în aceasta categorie.")}});
}

QWidget* TPrintWiz::PaginaReprezentare()
{
    return PaginaCuAlegeri(
        4,
        {QStringLiteral("Reprezentarea vizuala a modului de alimentare cu hartie"),
         QStringLiteral("In timpul tiparirii diplomelor, programul va va furniza instructiuni pentru modul de "
                        "pozitionare a hartiei in imprimanta."),
         QStringLiteral("Care dintre urmatoarele reprezentari vi se pare mai intuitiva?")},
        {{QStringLiteral("Hartie in pozitia normala."), PictogramaHartie(true), QString()},
         {QStringLiteral("Hartie rasturnata."), PictogramaHartie(false), QString()}});
}

// Pages 6 and 8: the instructions beside the picture of how to put the sheet back.
QWidget* TPrintWiz::PaginaReintroducere(int numar, QLabel*& text, QLabel*& imagine)
{
    auto* pagina = new QWidget;
    QVBoxLayout* asezare = PaginaNoua(pagina, {TitluManevrare});
    auto* rand = new QHBoxLayout;
    auto* texte = new QVBoxLayout;
    text = Paragraf(numar == 6 ? QStringLiteral("Reintroduceti coala de hartie in imprimanta, cu sageata pe partea "
                                                "vizibila a paginii, asa cum se vede in imaginea alaturata.")
                               : QString());
    texte->addWidget(text);
    texte->addWidget(Paragraf(numar == 6 ? QStringLiteral("Programul va incerca sa tipareasca o sageata hasurata in "
                                                          "interiorul sagetii deja tiparite.")
                                         : QStringLiteral("Programul va afisa doua linii în dreptul sagetii.")));
    texte->addStretch();
    rand->addLayout(texte, 1);
    imagine = Imagine(QPixmap());
    imagine->setMinimumWidth(170);
    rand->addWidget(imagine, 0, Qt::AlignTop);
    asezare->addLayout(rand, 1);
    return pagina;
}

QWidget* TPrintWiz::PaginaParte()
{
    return PaginaCuAlegeri(
        7,
        {TitluManevrare,
         QStringLiteral("Sageata hasurata a fost tiparita pe aceeasi parte cu prima sageata, sau a fost tiparita pe "
                        "partea opusa?"),
         QStringLiteral("Apasati butonul \"Inainte\" dupa ce ati selectat optiunea corecta.")},
        {{QStringLiteral("Pe aceeasi parte"), QPixmap(), QString()},
         {QStringLiteral("Pe partea opusa"), QPixmap(), QString()}});
}

QWidget* TPrintWiz::PaginaLinii()
{
    return PaginaCuAlegeri(
        9, {TitluManevrare, QStringLiteral("Cum arata imaginea obtinuta?")},
        {{QStringLiteral("Linie orizontala sus si linie verticala la stanga"), ImaginePozitieLinii(false, false),
          QString()},
         {QStringLiteral("Linie orizontala sus si linie verticala la dreapta"), ImaginePozitieLinii(false, true),
          QString()},
         {QStringLiteral("Linie orizontala jos si linie verticala la dreapta"), ImaginePozitieLinii(true, true),
          QString()},
         {QStringLiteral("Linie orizontala jos si linie verticala la stanga"), ImaginePozitieLinii(true, false),
          QString()}});
}

// Measuring is optional: "Sari peste" keeps the side's margins and scale as they are.
QWidget* TPrintWiz::PaginaMasurare(TPaginaCertificat parte)
{
    auto* pagina = new QWidget;
    QVBoxLayout* asezare = PaginaNoua(
        pagina, {QStringLiteral("Masurarea imprimantei"),
                 parte == TPaginaCertificat::Fata
                     ? QStringLiteral("Programul poate corecta deplasarea si scara imprimantei, ca textul sa cada pe "
                                      "liniile diplomei peste tot. Fata diplomei:")
                     : QStringLiteral("Spatele diplomei (foaia se tipareste asa cum se tipareste spatele):")});
    TPanouMasurare*& panou = m_masurare[IndexPagina(parte)];
    panou = new TPanouMasurare;
    asezare->addWidget(panou, 1);
    auto* sari = new QPushButton(QStringLiteral("Sari peste"));
    sari->setObjectName(QStringLiteral("SariPeste"));
    connect(sari, &QPushButton::clicked, this, &TPrintWiz::SariPeste);
    asezare->addWidget(sari, 0, Qt::AlignRight);
    return pagina;
}

QAbstractButton* TPrintWiz::Alegere(int pagina, int index) const
{
    return m_alegeri.value(pagina)->button(index);
}

bool TPrintWiz::Ales(int pagina, int index) const
{
    return m_alegeri.value(pagina)->checkedId() == index;
}

void TPrintWiz::Inainte()
{
    RuleazaCuEroare([this] {
        if (const std::optional<int> urmatoarea = Avanseaza())
            Mergi(*urmatoarea);
    });
}

void TPrintWiz::Mergi(int pagina)
{
    m_intratDin.insert(pagina, m_pagina);
    Arata(pagina);
}

void TPrintWiz::SariPeste()
{
    if (m_pagina != 10 && m_pagina != 11)
        return;
    m_masuratori.at(m_pagina - 10).reset();
    Mergi(m_pagina == 10 ? 11 : 13);
}

void TPrintWiz::Inapoi()
{
    Arata(m_intratDin.value(m_pagina, 0));
}

void TPrintWiz::Arata(int pagina)
{
    m_pagina = pagina;
    m_pagini->setCurrentIndex(m_indexPagina.value(pagina));
    ActualizeazaInainte();
}

bool TPrintWiz::AsteaptaAlegerea() const
{
    const QButtonGroup* grup = m_alegeri.value(m_pagina);
    return grup && grup->checkedId() == -1;
}

// A page of choices goes on only once the user has answered it: no answer is taken for her.
void TPrintWiz::ActualizeazaInainte()
{
    m_inainte->setEnabled(!AsteaptaAlegerea());
}

std::optional<int> TPrintWiz::Avanseaza()
{
    if (AsteaptaAlegerea())
        return std::nullopt;
    switch (m_pagina) {
    case 0:
        return 1;
    case 1:
        return DupaAlimentare();
    case 2:
    case 4:
        return 5;
    case 3:
        return 4;
    case 5:
        DupaModAlimentare();
        return Tipareste(TFoaieTest::PrimaSageata, 6);
    case 6:
        return Tipareste(TFoaieTest::ADouaSageata, 7);
    case 7:
        return DupaParte();
    case 8:
        return Tipareste(TFoaieTest::Linii, 9);
    case 9:
        return DupaLinii();
    case 10:
        return DupaMasurare(TPaginaCertificat::Fata);
    case 11:
        return DupaMasurare(TPaginaCertificat::Spate);
    default:
        Incheie();
        return std::nullopt;
    }
}

int TPrintWiz::DupaAlimentare() const
{
    if (Ales(1, 0))
        return 5;
    return Ales(1, 1) ? 2 : 3;
}

// Sets the paper handling answer and shows its picture on the pages that follow.
void TPrintWiz::DupaModAlimentare()
{
    if (Ales(1, 0))
        m_modAlimentare = TModAlimentare::PrinSus;
    else if (Ales(1, 1))
        m_modAlimentare = TModAlimentare::Frontal;
    else
        m_modAlimentare = Ales(4, 0) ? TModAlimentare::CasetaNormala : TModAlimentare::CasetaInversata;
    const QPixmap imagine = ImagineReintroducere(m_modAlimentare);
    m_imaginePagina6->setPixmap(imagine);
    m_imaginePagina8->setPixmap(imagine);
}

std::optional<int> TPrintWiz::Tipareste(TFoaieTest foaie, int urmatoarea)
{
    AlegeImprimantaSelectata();
    if (!TiparesteFoaieTest(foaie))
        return std::nullopt;
    return urmatoarea;
}

void TPrintWiz::AlegeImprimantaSelectata() const
{
    if (const QTreeWidgetItem* linie = m_imprimante->currentItem())
        AlegeImprimanta(linie->text(0));
}

int TPrintWiz::DupaParte()
{
    m_partiOpuse = Ales(7, 1);
    m_textPagina8->setText(m_partiOpuse ? QStringLiteral("Reintroduceti coala de hartie in imprimanta, cu sageata "
                                                         "HASURATA pe partea vizibila a paginii, asa cum se vede in "
                                                         "imaginea alaturata.")
                                        : QStringLiteral("Reintroduceti coala de hartie in imprimanta, cu sagetile pe "
                                                         "partea vizibila a paginii, asa cum se vede in imaginea "
                                                         "alaturata."));
    return 8;
}

int TPrintWiz::DupaLinii()
{
    m_linieVerticalaDreapta = Ales(9, 1) || Ales(9, 2);
    m_linieOrizontalaJos = Ales(9, 2) || Ales(9, 3);
    // Each side's sheet prints as that side will: turned as chosen, or as the way the
    // printer takes the sheet suggests.
    for (const TPaginaCertificat parte : {TPaginaCertificat::Fata, TPaginaCertificat::Spate})
        Masurare(parte)->Pregateste(parte, PaginaOglindita(parte, OglindaStocata(parte), m_modAlimentare));
    return 10;
}

std::optional<int> TPrintWiz::DupaMasurare(TPaginaCertificat parte)
{
    const std::optional<TMasuratoareImprimanta> masuratoare = Masurare(parte)->Masuratoare();
    if (!masuratoare)
        return std::nullopt;
    m_masuratori.at(IndexPagina(parte)) = masuratoare;
    return parte == TPaginaCertificat::Fata ? 11 : 13;
}

void TPrintWiz::Incheie()
{
    {
        TAllStuffReg setari;
        setari.ImprimantaConfigurata = true;
        setari.PartiOpuse = m_partiOpuse;
        setari.LinieVerticalaDreapta = m_linieVerticalaDreapta;
        setari.LinieOrizontalaJos = m_linieOrizontalaJos;
        setari.ModAlimentare = NumarModAlimentare(m_modAlimentare);
        setari.NumeImprimanta = ImprimantaCurenta();
        setari.IndexImprimanta = static_cast<int>(::ListaImprimante().indexOf(setari.NumeImprimanta));
        for (const TPaginaCertificat parte : {TPaginaCertificat::Fata, TPaginaCertificat::Spate})
            if (const std::optional<TMasuratoareImprimanta>& masuratoare = m_masuratori.at(IndexPagina(parte)))
                setari.SeteazaMasuratoarea(parte, *masuratoare);
    }
    accept();
}
