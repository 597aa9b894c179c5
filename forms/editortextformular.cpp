#include "forms/editortextformular.h"

#include "dialoguri/centreazafereastra.h"
#include "certificat/fontformular.h"
#include "forms/formulartextarea.h"
#include "certificat/particularizaretextarea.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString TextInformativ = QStringLiteral("Text informativ pentru aspectul fontului");

// Each face shown by its name and a sample written in it.
class TDelegatFata : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem optiune = option;
        initStyleOption(&optiune, index);
        const QString fata = index.data().toString();
        optiune.text.clear();
        QStyledItemDelegate::paint(painter, optiune, index);
        painter->save();
        painter->setPen(optiune.palette.color(optiune.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                                      : QPalette::Text));
        const QRect zona = optiune.rect.adjusted(4, 0, -4, 0);
        const QRect nume(zona.left(), zona.top(), 170, zona.height());
        painter->drawText(nume, Qt::AlignVCenter | Qt::AlignLeft, fata);
        QFont mostra(fata);
        mostra.setPixelSize(14);
        painter->setFont(mostra);
        painter->drawText(zona.adjusted(146, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, TextInformativ);
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index).expandedTo(QSize(0, 20));
    }
};

QLabel* Titlu(const QString& text)
{
    auto* eticheta = new QLabel(text);
    QFont font = eticheta->font();
    font.setBold(true);
    eticheta->setFont(font);
    return eticheta;
}

// Radio buttons in a titled group; each button's id is the value it stands for, shifted
// so that it is never negative (QButtonGroup takes -1 as "choose an id").
QGroupBox* GrupRadio(const QString& titlu, const QList<std::pair<QString, int>>& butoane, QButtonGroup*& grup,
                     QWidget* proprietar)
{
    auto* cutie = new QGroupBox(titlu);
    auto* asezare = new QVBoxLayout(cutie);
    grup = new QButtonGroup(proprietar);
    for (const auto& [text, valoare] : butoane) {
        auto* buton = new QRadioButton(text);
        grup->addButton(buton, valoare + 1);
        asezare->addWidget(buton);
    }
    return cutie;
}

void Bifeaza(QButtonGroup* grup, int valoare)
{
    if (QAbstractButton* buton = grup->button(valoare + 1))
        buton->setChecked(true);
}

int Bifat(const QButtonGroup* grup)
{
    return grup->checkedId() < 0 ? 0 : grup->checkedId() - 1;
}

} // namespace

TEditorTextFormular::TEditorTextFormular(const TFormularTextArea& area, TParticularizareTextArea& particularizare,
                                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_particularizare(particularizare), m_pagini(new QTabWidget)
{
    setWindowTitle(QStringLiteral("Informatii camp"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    setFont(font);
    m_pagini->addTab(PaginaInformatii(), QStringLiteral("Informatii despre acest camp"));
    m_pagini->addTab(PaginaText(), QStringLiteral("Redefinire text"));
    m_pagini->addTab(PaginaAsezare(), QStringLiteral("Asezare in pagina"));

    auto* ok = new QPushButton(QStringLiteral("Ok"));
    auto* renunt = new QPushButton(QStringLiteral("Renunt"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TEditorTextFormular::Ok);
    connect(renunt, &QPushButton::clicked, this, &TEditorTextFormular::Renunt);
    auto* butoane = new QHBoxLayout;
    butoane->addStretch();
    butoane->addWidget(ok);
    butoane->addWidget(renunt);

    auto* asezare = new QVBoxLayout(this);
    asezare->addWidget(m_pagini);
    asezare->addLayout(butoane);
    setFixedSize(597, 375);
    Umple(area);
    CentreazaFereastra(this);
}

QWidget* TEditorTextFormular::PaginaInformatii()
{
    auto* pagina = new QWidget;
    m_sursa = new QPlainTextEdit;
    m_sursa->setReadOnly(true);
    m_sursa->setFrameShape(QFrame::NoFrame);
    m_sursa->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_fonturi = new QComboBox;
    m_italic = new QComboBox;
    m_italic->addItems({QStringLiteral("Implicit"), QStringLiteral("Italic"), QStringLiteral("non-Italic")});
    m_bold = new QComboBox;
    m_bold->addItems({QStringLiteral("Implicit"), QStringLiteral("Bold"), QStringLiteral("non-Bold")});
    m_fontImplicit = new QRadioButton(QStringLiteral("Folosesc fontul implicit"));
    m_fontSpecificat = new QRadioButton(QStringLiteral("Folosesc fontul specificat mai jos"));
    m_fete = new QListWidget;
    m_fete->setItemDelegate(new TDelegatFata(m_fete));
    m_fete->addItems(QFontDatabase::families());

    auto* stanga = new QVBoxLayout;
    stanga->addWidget(Titlu(QStringLiteral("De unde preia acest camp datele:")));
    stanga->addWidget(m_sursa);
    stanga->addWidget(Titlu(QStringLiteral("Fontul utilizat pentru acest formular")));
    stanga->addWidget(m_fonturi);
    auto* stilul = new QHBoxLayout;
    for (const auto& [eticheta, lista] : {std::pair{QStringLiteral("Italic"), m_italic},
                                          std::pair{QStringLiteral("Bold"), m_bold}}) {
        auto* coloana = new QVBoxLayout;
        coloana->addWidget(new QLabel(eticheta));
        coloana->addWidget(lista);
        stilul->addLayout(coloana);
    }
    stanga->addLayout(stilul);
    auto* dreapta = new QVBoxLayout;
    dreapta->addWidget(m_fontImplicit);
    dreapta->addWidget(m_fontSpecificat);
    dreapta->addWidget(m_fete);
    auto* asezare = new QHBoxLayout(pagina);
    asezare->addLayout(stanga, 1);
    asezare->addLayout(dreapta, 1);
    return pagina;
}

QWidget* TEditorTextFormular::PaginaText()
{
    auto* pagina = new QWidget;
    auto* explicatie = new QLabel(QStringLiteral(
        "Daca nu sunteti multumiti cu textul care apare in acest camp puteti stabili aici, MANUAL, un alt text:"));
    explicatie->setWordWrap(true);
    m_text = new QLineEdit;
    auto* asezare = new QVBoxLayout(pagina);
    asezare->addWidget(Titlu(QStringLiteral("Redefinire text")));
    asezare->addWidget(explicatie);
    asezare->addWidget(new QLabel(QStringLiteral("Text \"redefinit\":")));
    asezare->addWidget(m_text);
    asezare->addStretch();
    return pagina;
}

QWidget* TEditorTextFormular::PaginaAsezare()
{
    auto* pagina = new QWidget;
    auto* asezare = new QVBoxLayout(pagina);
    asezare->addWidget(Titlu(QStringLiteral("Indicatii privind alinierea orizontala / verticala")));
    asezare->addWidget(GrupRadio(QStringLiteral("Aliniere orizontala:"),
                                 {{QStringLiteral("Implicit"), 0},
                                  {QStringLiteral("Aliniere la stanga"), 1},
                                  {QStringLiteral("Centru"), 2},
                                  {QStringLiteral("Dreapta"), 3}},
                                 m_aliniere, this));
    asezare->addWidget(Titlu(QStringLiteral("Indicatii privind pozitionarea verticala si orizontala")));
    auto* deplasari = new QHBoxLayout;
    deplasari->addWidget(GrupRadio(QStringLiteral("Pozitionarea orizontala"),
                                   {{QStringLiteral("Implicit"), 0},
                                    {QStringLiteral("Mai la stanga cu 0,5 mm"), -1},
                                    {QStringLiteral("Mai la dreapta cu 0,5 mm"), 1}},
                                   m_orizontal, this));
    deplasari->addWidget(GrupRadio(QStringLiteral("Pozitionarea verticala"),
                                   {{QStringLiteral("Implicit"), 0},
                                    {QStringLiteral("Mai sus cu 0,5 mm"), -1},
                                    {QStringLiteral("Mai jos cu 0,5 mm"), 1}},
                                   m_vertical, this));
    asezare->addLayout(deplasari);
    asezare->addStretch();
    return pagina;
}

void TEditorTextFormular::Umple(const TFormularTextArea& area)
{
    const TParticularizareTextArea& p = m_particularizare;
    m_italic->setCurrentIndex(p.Italic);
    m_bold->setCurrentIndex(p.Bold);
    (p.NumeFata.isEmpty() ? m_fontImplicit : m_fontSpecificat)->setChecked(true);
    const QList<QListWidgetItem*> fete = m_fete->findItems(p.NumeFata, Qt::MatchExactly);
    m_fete->setCurrentItem(p.NumeFata.isEmpty() || fete.isEmpty() ? nullptr : fete.first());
    m_sursa->setPlainText(area.SursaText().join(QLatin1Char('\n')));
    m_text->setText(p.Text);
    Bifeaza(m_aliniere, p.Aliniere);
    Bifeaza(m_orizontal, p.DeplasareOrizontala);
    Bifeaza(m_vertical, p.DeplasareVerticala);
    UmpleFonturi(area);
}

void TEditorTextFormular::UmpleFonturi(const TFormularTextArea& area)
{
    m_fonturiFormular = area.window()->findChildren<TFontFormular*>(QString(), Qt::FindDirectChildrenOnly);
    for (const TFontFormular* font : m_fonturiFormular)
        m_fonturi->addItem(font->DescrierePentruEditor().isEmpty() ? font->objectName() : font->DescrierePentruEditor());
    m_fonturi->setCurrentIndex(m_fonturiFormular.indexOf(area.Font()));
    if (m_particularizare.Font)
        m_fonturi->setCurrentIndex(m_fonturiFormular.indexOf(m_particularizare.Font));
}

void TEditorTextFormular::Ok()
{
    TParticularizareTextArea& p = m_particularizare;
    p.Aliniere = Bifat(m_aliniere);
    p.DeplasareOrizontala = Bifat(m_orizontal);
    p.DeplasareVerticala = Bifat(m_vertical);
    const int font = m_fonturi->currentIndex();
    p.Font = font < 0 ? nullptr : m_fonturiFormular.at(font);
    p.NumeFont = p.Font ? p.Font->objectName() : QString();
    p.Text = m_text->text();
    p.Italic = m_italic->currentIndex();
    p.Bold = m_bold->currentIndex();
    const QListWidgetItem* fata = m_fete->currentItem();
    p.NumeFata = m_fontImplicit->isChecked() || !fata ? QString() : fata->text();
    accept();
}

void TEditorTextFormular::Renunt()
{
    reject();
}

void EditeazaTextArea(TFormularTextArea& area, const std::function<void(TEditorTextFormular&)>& arata)
{
    TListaParticularizareTextArea& lista = ListaParticularizari();
    TParticularizareTextArea* particularizare = area.Particularizare(true);
    area.SetHovered(false);
    {
        TEditorTextFormular editor(area, *particularizare, area.window());
        if (arata)
            arata(editor);
        else
            editor.exec();
    }
    area.update();
    lista.Save();
}
