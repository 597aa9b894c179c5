#include "editors/editorgenericcomplex.h"

#include "base/eroare.h"
#include "db/tdm.h"
#include "db/valoarecamp.h"
#include "editors/editorcampnota.h"
#include "editors/editorcampsimplu.h"
#include "editors/editorcamptext.h"
#include "editors/liniegrupare.h"

#include <QLabel>
#include <algorithm>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <functional>
#include <vector>

namespace {

const QColor Fundal(0xF7, 0xF6, 0xF5);

QString DoarLitere(const QString& text)
{
    QString litere;
    for (const QChar c : text)
        if ((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z')))
            litere.append(c.toLower());
    return litere;
}

QVBoxLayout* AsezareVerticala(QWidget* container)
{
    auto* asezare = new QVBoxLayout(container);
    asezare->setContentsMargins(0, 0, 0, 0);
    asezare->setSpacing(0);
    asezare->setAlignment(Qt::AlignTop);
    return asezare;
}

// Appends a control below the ones already in the container.
void AdaugaSub(QWidget* container, QWidget* control)
{
    static_cast<QVBoxLayout*>(container->layout())->addWidget(control);
}

QWidget* CreeazaPaginaTab(QTabWidget* pc, const QString& titlu)
{
    auto* derulare = new QScrollArea;
    derulare->setFrameShape(QFrame::NoFrame);
    derulare->setWidgetResizable(true);
    derulare->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab goes from field to field: the page itself must not take the keys typed for the
    // next field. It still scrolls to the field that gets the focus.
    derulare->setFocusPolicy(Qt::NoFocus);
    auto* continut = new QWidget;
    continut->setAutoFillBackground(true);
    QPalette paleta = continut->palette();
    paleta.setColor(QPalette::Window, Fundal);
    continut->setPalette(paleta);
    AsezareVerticala(continut);
    derulare->setWidget(continut);
    pc->addTab(derulare, titlu);
    return continut;
}

template <typename T>
TEditorGeneric* Nou(QWidget* parinte)
{
    return new T(parinte);
}

} // namespace

TEticheta DesparteEticheta(const QString& text)
{
    TEticheta parti;
    int stare = 1;
    for (const QChar c : text) {
        if (stare == 1 && c == QLatin1Char('['))
            stare = 2;
        else if (stare == 1 && c == QLatin1Char('{'))
            stare = 3;
        else if (stare == 1)
            parti.Eticheta.append(c);
        else if (stare == 2 && c == QLatin1Char(']'))
            stare = 1;
        else if (stare == 2)
            parti.Grup.append(c);
        else if (stare == 3 && c == QLatin1Char('}'))
            stare = 4;
        else if (stare == 3)
            parti.Coada.append(c);
    }
    return parti;
}

QString ImparteTitluTab(const QString& text)
{
    QString rezultat;
    int scrise = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') && scrise > 10) {
            rezultat.append(QStringLiteral("\r\n"));
            continue;
        }
        rezultat.append(c);
        ++scrise;
    }
    return rezultat;
}

TEditorGeneric* CreeazaEditor(const QString& tipDeDate, QWidget* parinte)
{
    static const QMap<QString, std::function<TEditorGeneric*(QWidget*)>> clase = {
        {QStringLiteral("TEXT"), Nou<TEditorCampText>},
        {QStringLiteral("CNP"), Nou<TEditorCampCNP>},
        {QStringLiteral("NOTA"), Nou<TEditorCampNota>},
        {QStringLiteral("CALIFICATIV"), Nou<TEditorCampCalificativ>},
        {QStringLiteral("CF"), Nou<TEditorCampCF>},
        {QStringLiteral("SIRUES"), Nou<TEditorCampSirues>},
        {QStringLiteral("NOTA sau CALIFICATIV"), Nou<TEditorGenericNotaSauCalificativ>},
    };
    const auto clasa = clase.constFind(tipDeDate);
    if (clasa == clase.constEnd())
        throw EEroare(QStringLiteral("Nu stiu afisa tipul de date %1").arg(tipDeDate));
    return (*clasa)(parinte);
}

TEditorGenericComplex::TEditorGenericComplex(QWidget* parent) : QFrame(parent), m_pc(new QTabWidget(this))
{
    m_pc->setObjectName(QStringLiteral("PC"));
    m_pc->setDocumentMode(true);
    auto* asezare = new QVBoxLayout(this);
    asezare->setContentsMargins(0, 0, 0, 0);
    asezare->addWidget(m_pc);
}

void TEditorGenericComplex::Goleste()
{
    m_editoare.clear();
    m_grupuri.clear();
    m_linii.clear();
    while (m_pc->count() > 0)
        delete m_pc->widget(0);
    // Editors not yet placed, when a build failed half-way.
    qDeleteAll(findChildren<TEditorGeneric*>(QString(), Qt::FindDirectChildrenOnly));
    m_pc->tabBar()->show();
}

void TEditorGenericComplex::Construieste(int idElev, int idInregistrare, const QString& tabel)
{
    Goleste();
    {
        TGardaTranzactie tr(DM().Tr());
        for (const TCampEditor& linie : CampuriEditorTabel(tabel))
            if (linie.SimilarCu.isEmpty() || linie.OnorezSimilar != QLatin1String("DA"))
                AdaugaEditor(linie, idElev, idInregistrare, tabel);
    }
    for (TFrmGrup* grup : std::as_const(m_grupuri))
        grup->AjusteazaInaltimea();
    if (m_pc->count() == 1)
        m_pc->tabBar()->hide();
    if (m_pc->count() > 0)
        m_pc->setCurrentIndex(0);
}

void TEditorGenericComplex::AdaugaEditor(const TCampEditor& linie, int idElev, int idInregistrare, const QString& tabel)
{
    const TEticheta eticheta = DesparteEticheta(linie.Eticheta);
    QWidget* container = Container(linie.CodFormular, eticheta.Grup, linie.CodLinie);
    // Born in its place: moving a field between parents restyles every widget inside it.
    TEditorGeneric* editor = CreeazaEditor(linie.TipDeDate, container);
    if (linie.CodLinie.isEmpty())
        AdaugaSub(container, editor);
    editor->RzLabel1()->setText(eticheta.Eticheta);
    editor->Incarca(linie.CodFormular, linie.CodPagina, linie.CodCamp, tabel, idElev, idInregistrare);
    m_editoare.append(editor);
    if (!linie.CodLinie.isEmpty()) {
        editor->LatimeSugerata = linie.LatimeSugerata;
        editor->resize(linie.LatimeSugerata, editor->height());
        static_cast<TLinieGrupare*>(container)->Adauga(editor);
    }
}

QWidget* TEditorGenericComplex::Container(const QString& codFormular, const QString& grup, const QString& codLinie)
{
    if (codLinie.isEmpty())
        return grup.isEmpty() ? ContainerTab(codFormular) : ContainerGrup(codFormular, grup);
    const QString cheie = (grup + QLatin1Char('.') + codLinie).toLower();
    TLinieGrupare*& linie = m_linii[cheie];
    if (!linie) {
        QWidget* parinte = Container(codFormular, grup, QString());
        linie = new TLinieGrupare(parinte);
        AdaugaSub(parinte, linie);
    }
    return linie;
}

QWidget* TEditorGenericComplex::ContainerTab(const QString& codFormular)
{
    const QString nume = SpatiereMajuscule(codFormular);
    const QString cautat = DoarLitere(nume);
    for (int i = m_pc->count() - 1; i >= 0; --i)
        if (DoarLitere(m_pc->tabText(i)) == cautat)
            return static_cast<QScrollArea*>(m_pc->widget(i))->widget();
    return CreeazaPaginaTab(m_pc, ImparteTitluTab(nume));
}

QWidget* TEditorGenericComplex::ContainerGrup(const QString& codFormular, const QString& grup)
{
    for (TFrmGrup* existent : std::as_const(m_grupuri))
        if (existent->NumeGrup == grup)
            return existent->PanelSuport();
    QWidget* tab = ContainerTab(codFormular);
    auto* nou = new TFrmGrup(grup, tab);
    AdaugaSub(tab, nou);
    m_grupuri.append(nou);
    return nou->PanelSuport();
}

bool TEditorGenericComplex::PotSalvaTot()
{
    for (TEditorGeneric* editor : std::as_const(m_editoare))
        if (!editor->PotSalva())
            return false;
    return true;
}

void TEditorGenericComplex::SalveazaTot(int idElev, int idInregistrare, const QString& tabel)
{
    if (!DM().Tr().Active())
        throw EEroare(QStringLiteral("Tranzactia trebuie sa fie DESCHISA in momentul in care salvez"));
    for (TEditorGeneric* editor : std::as_const(m_editoare))
        editor->Salveaza(idElev, idInregistrare, tabel);
}

void TEditorGenericComplex::LaPrimaAfisare()
{
    for (TEditorGeneric* editor : std::as_const(m_editoare))
        editor->LaPrimaAfisare();
    if (!m_editoare.isEmpty())
        m_editoare.first()->setFocus();
}

bool TEditorGenericComplex::AreModificari() const
{
    return std::any_of(m_editoare.cbegin(), m_editoare.cend(),
                       [](const TEditorGeneric* editor) { return editor->Modificat(); });
}

std::vector<TDiferenta> TEditorGenericComplex::Diferente(const QString& tabel, int id) const
{
    QList<TEditorGeneric*> editoare;
    QList<TReferintaCamp> campuri;
    for (TEditorGeneric* editor : m_editoare)
        if (editor->ValoareDeSalvat()) {
            editoare << editor;
            campuri << editor->Referinta();
        }
    const QStringList stocate = ValoriStocate(campuri, tabel, id);
    std::vector<TDiferenta> diferente;
    for (int i = 0; i < editoare.size(); ++i)
        if (stocate.at(i) != editoare.at(i)->ValoareComparata())
            diferente.push_back({editoare.at(i), *editoare.at(i)->ValoareDeSalvat(), stocate.at(i)});
    return diferente;
}

void TEditorGenericComplex::AcceptaValorileStocate(const std::vector<TDiferenta>& diferente)
{
    for (const TDiferenta& diferenta : diferente)
        diferenta.Editor->AcceptaValoareaStocata(diferenta.ValoareaStocata);
}
