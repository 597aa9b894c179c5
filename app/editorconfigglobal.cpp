#include "app/editorconfigglobal.h"

#include "dialoguri/centreazafereastra.h"
#include "base/eroare.h"
#include "base/infoglobal2005.h"
#include "base/multimi.h"
#include "base/userprompt.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStylePainter>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>

namespace {

QStringList ModuriNota()
{
    QStringList texte;
    for (const TModScriereNota mod : ModuriScriereNota())
        texte << TextModScriereNota(mod);
    return texte;
}

QLabel* Titlu(const QString& text, QWidget* parinte)
{
    auto* titlu = new QLabel(text, parinte);
    QFont font = titlu->font();
    font.setBold(true);
    titlu->setFont(font);
    titlu->setStyleSheet(QStringLiteral("color: maroon;"));
    return titlu;
}

QLabel* Explicatie(const QString& text, QWidget* parinte)
{
    auto* explicatie = new QLabel(text, parinte);
    explicatie->setWordWrap(true);
    return explicatie;
}

QString OptiuneSauImplicit(const QString& valoare, const QString& implicit)
{
    return valoare.isEmpty() ? implicit : valoare;
}

// The selected layout of a list; a list without a selection (its stored value was none of
// the layouts) fails naming the list, so that the user knows which one to choose.
QString ModSelectat(const QComboBox* lista, const QString& nume)
{
    if (lista->currentIndex() < 0)
        throw EEroare(QStringLiteral("Alegeti modul de scriere pentru \"%1\".").arg(nume));
    return lista->currentText();
}

} // namespace

QStringList TDesenatorModNota::Exemplu(const QString& mod)
{
    switch (ModScriereNotaDinText(mod).value_or(TModScriereNota::Nota)) {
    case TModScriereNota::NotaProcent: return {QStringLiteral("9,63 (noua 63%)")};
    case TModScriereNota::NotaSubProcent: return {QStringLiteral("9,63"), QStringLiteral("(noua 63%)")};
    case TModScriereNota::NotaSubLitere: return {QStringLiteral("9,63"), QStringLiteral("(noua,sasezecisitrei)")};
    case TModScriereNota::Nota: break;
    }
    return {QStringLiteral("9,63")};
}

void TDesenatorModNota::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool selectat = option.state & QStyle::State_Selected;
    const QPalette& paleta = option.palette;
    painter->save();
    painter->fillRect(option.rect, selectat ? paleta.highlight() : paleta.base());
    painter->setPen(selectat ? paleta.highlightedText().color() : paleta.text().color());
    DeseneazaExemplu(painter, option.rect, index.data().toString());
    painter->restore();
}

void TDesenatorModNota::DeseneazaExemplu(QPainter* painter, const QRect& rect, const QString& mod)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    painter->setFont(font);
    const QStringList linii = Exemplu(mod);
    const int sus[] = {linii.size() == 1 ? 8 : 1, 13};
    const QFontMetrics metrici(font);
    for (int i = 0; i < linii.size(); ++i) {
        const QRect rand(rect.left(), rect.top() + sus[i], rect.width(), metrici.height());
        painter->drawText(rand, Qt::AlignHCenter | Qt::AlignTop, linii.at(i));
    }
}

TListaModuriNota::TListaModuriNota(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    setView(new QListView(this));
    setItemDelegate(new TDesenatorModNota(this));
    setFixedHeight(36);
}

void TListaModuriNota::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox optiune;
    initStyleOption(&optiune);
    optiune.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, optiune);
    const QRect camp = style()->subControlRect(QStyle::CC_ComboBox, &optiune, QStyle::SC_ComboBoxEditField, this);
    // No layout chosen: no sample, so that the list that needs a choice stands out.
    if (currentIndex() < 0)
        return;
    painter.setPen(palette().text().color());
    TDesenatorModNota::DeseneazaExemplu(&painter, camp.adjusted(0, (camp.height() - 32) / 2, 0, 0), currentText());
}

QSize TDesenatorModNota::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return {QStyledItemDelegate::sizeHint(option, index).width(), 32};
}

TEditorConfigGlobal::TEditorConfigGlobal(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_pagini(new QTabWidget(this)),
      m_sufixFete(new QComboBox(this)),
      m_sufixBaieti(new QComboBox(this)),
      m_notaDiploma(CreeazaListaModuri(QStringLiteral("RzComboBox3"))),
      m_medieDiploma(CreeazaListaModuri(QStringLiteral("RzComboBox4"))),
      m_notaCotor(CreeazaListaModuri(QStringLiteral("RzComboBox5"))),
      m_medieCotor(CreeazaListaModuri(QStringLiteral("RzComboBox6"))),
      m_litereMari(new QRadioButton(QStringLiteral("Scriu notele cu LITERE MARI"), this)),
      m_litereMici(new QRadioButton(QStringLiteral("Scriu notele cu litere mici"), this)),
      m_nota(new QLabel(QStringLiteral("Nota:"), this)),
      m_clipire(new QTimer(this))
{
    setObjectName(QStringLiteral("TEditorConfigGlobal"));
    setWindowTitle(QStringLiteral("Editor informatii globale"));
    setFixedSize(588, 347);
    m_sufixFete->setObjectName(QStringLiteral("RzComboBox1"));
    m_sufixBaieti->setObjectName(QStringLiteral("RzComboBox2"));
    m_litereMari->setObjectName(QStringLiteral("RzRadioButton1"));
    m_litereMici->setObjectName(QStringLiteral("RzRadioButton2"));

    m_pagini->setGeometry(8, 8, 497, 289);
    m_pagini->addTab(CreeazaPaginaNote(), QStringLiteral("Mod tiparire note"));
    // The forms of address are kept but not offered: printing does not use them.
    const int paginaSufix = m_pagini->addTab(CreeazaPaginaSufix(), QStringLiteral("Sufix domnul / doamna"));
    m_pagini->setTabVisible(paginaSufix, false);

    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setGeometry(513, 8, 67, 25);
    ok->setDefault(true);
    auto* renunt = new QPushButton(QStringLiteral("Renunt"), this);
    renunt->setGeometry(513, 40, 67, 25);
    connect(ok, &QPushButton::clicked, this, &TEditorConfigGlobal::Ok);
    connect(renunt, &QPushButton::clicked, this, &TEditorConfigGlobal::Renunt);

    QFont aldin = m_nota->font();
    aldin.setBold(true);
    m_nota->setFont(aldin);
    m_nota->setGeometry(8, 303, 40, 16);
    auto* avertisment = new QLabel(
        QStringLiteral("Modificarile efectuate in acest editor afecteaza TOATE formularele de diplome pentru anul curent"),
        this);
    avertisment->setGeometry(48, 303, 532, 36);
    avertisment->setWordWrap(true);
    connect(m_clipire, &QTimer::timeout, this, &TEditorConfigGlobal::ClipesteNota);
    m_clipire->start(500);

    Incarca();
    CentreazaFereastra(this);
}

QComboBox* TEditorConfigGlobal::CreeazaListaModuri(const QString& nume)
{
    auto* lista = new TListaModuriNota(this);
    lista->setObjectName(nume);
    lista->addItems(ModuriNota());
    return lista;
}

QWidget* TEditorConfigGlobal::CreeazaPaginaNote()
{
    auto* pagina = new QWidget(m_pagini);
    auto* asezare = new QVBoxLayout(pagina);
    asezare->addWidget(Titlu(QStringLiteral("Mod scriere note in litere"), pagina));
    asezare->addWidget(Explicatie(QStringLiteral("Aici puteti specifica modul in care vor fi inscrise pe diplome notele si "
                                                 "mediile pentru probele de examen cu nota."),
                                  pagina));
    auto* liste = new QFormLayout();
    liste->addRow(QStringLiteral("Nota diploma:"), m_notaDiploma);
    liste->addRow(QStringLiteral("Medie diploma:"), m_medieDiploma);
    liste->addRow(QStringLiteral("Nota cotor:"), m_notaCotor);
    liste->addRow(QStringLiteral("Medie cotor:"), m_medieCotor);
    asezare->addLayout(liste);
    asezare->addWidget(m_litereMari);
    asezare->addWidget(m_litereMici);
    asezare->addStretch();
    return pagina;
}

QWidget* TEditorConfigGlobal::CreeazaPaginaSufix()
{
    auto* pagina = new QWidget(m_pagini);
    auto* asezare = new QVBoxLayout(pagina);
    asezare->addWidget(Titlu(QStringLiteral("Sufix dl / domnul e.t.c."), pagina));
    asezare->addWidget(Explicatie(
        QStringLiteral("Programul stabileste automat genul persoanelor care primesc diplome de studii pe baza primei "
                       "cifre din codul numeric personal. Va rugam specificati care este apelativul cel mai potrivit "
                       "pentru fete si baieti:"),
        pagina));
    m_sufixFete->setEditable(true);
    m_sufixFete->addItems({QStringLiteral("domnisoara"), QStringLiteral("doamna"), QStringLiteral("dra")});
    m_sufixBaieti->setEditable(true);
    m_sufixBaieti->addItems({QStringLiteral("domnul"), QStringLiteral("dl")});
    auto* liste = new QFormLayout();
    liste->addRow(QStringLiteral("Sufix fete:"), m_sufixFete);
    liste->addRow(QStringLiteral("Sufix baieti:"), m_sufixBaieti);
    asezare->addLayout(liste);
    asezare->addStretch();
    return pagina;
}

void TEditorConfigGlobal::Incarca()
{
    // Releasing the options object at the end stores the layout fallbacks right away,
    // even if the user then cancels.
    TInfoGlobal2005 optiuni;
    m_sufixFete->setEditText(OptiuneSauImplicit(optiuni.SufixFete(), QStringLiteral("dra")));
    m_sufixBaieti->setEditText(OptiuneSauImplicit(optiuni.SufixBaieti(), QStringLiteral("domnul")));
    const QString subLitere = TextModScriereNota(TModScriereNota::NotaSubLitere);
    const QString procent = TextModScriereNota(TModScriereNota::NotaProcent);
    optiuni.setNotaDiploma(OptiuneSauImplicit(optiuni.NotaDiploma(), subLitere));
    optiuni.setNotaCotor(OptiuneSauImplicit(optiuni.NotaCotor(), procent));
    optiuni.setMedieDiploma(OptiuneSauImplicit(optiuni.MedieDiploma(), subLitere));
    optiuni.setMedieCotor(OptiuneSauImplicit(optiuni.MedieCotor(), procent));
    const QStringList moduri = ModuriNota();
    m_notaDiploma->setCurrentIndex(moduri.indexOf(optiuni.NotaDiploma()));
    m_medieDiploma->setCurrentIndex(moduri.indexOf(optiuni.MedieDiploma()));
    m_notaCotor->setCurrentIndex(moduri.indexOf(optiuni.NotaCotor()));
    m_medieCotor->setCurrentIndex(moduri.indexOf(optiuni.MedieCotor()));
    const bool mici = !optiuni.ScrieCuMajuscule();
    m_litereMari->setChecked(!mici);
    m_litereMici->setChecked(mici);
}

void TEditorConfigGlobal::Ok()
{
    const bool salvat = RuleazaCuEroare([this] {
        // Whatever was assigned before a failing list is still stored on release.
        TInfoGlobal2005 optiuni;
        optiuni.setSufixFete(m_sufixFete->currentText());
        optiuni.setSufixBaieti(m_sufixBaieti->currentText());
        optiuni.setNotaDiploma(ModSelectat(m_notaDiploma, QStringLiteral("Nota diploma")));
        optiuni.setMedieDiploma(ModSelectat(m_medieDiploma, QStringLiteral("Medie diploma")));
        optiuni.setNotaCotor(ModSelectat(m_notaCotor, QStringLiteral("Nota cotor")));
        optiuni.setMedieCotor(ModSelectat(m_medieCotor, QStringLiteral("Medie cotor")));
        optiuni.setScriuCuLitereMari(m_litereMari->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    });
    if (salvat)
        accept();
}

void TEditorConfigGlobal::Renunt()
{
    reject();
}

void TEditorConfigGlobal::ClipesteNota()
{
    m_notaRosie = !m_notaRosie;
    m_nota->setStyleSheet(m_notaRosie ? QStringLiteral("color: red;") : QString());
}
