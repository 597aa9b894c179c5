#include "editors/listaelevi.h"

#include "base/userprompt.h"
#include "editors/adaugaelev.h"
#include "editors/listacomuna.h"
#include "profile/inregistrare.h"
#include "forms/butonformular.h"
#include "forms/handlerformular.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString FaraSelectie = QStringLiteral("Va rog selectati un elev!");

} // namespace

TListaElevi::TListaElevi(QWidget* parent)
    : QFrame(parent), m_imagine(style()->standardIcon(QStyle::SP_FileDialogContentsView))
{
    auto* asezare = new QVBoxLayout(this);
    asezare->setContentsMargins(0, 0, 0, 0);
    asezare->setSpacing(0);
    asezare->addWidget(CreeazaBaraSus());
    m_vt = CreeazaListaVT({QStringLiteral("Nume si prenume")}, {512}, this);
    asezare->addWidget(m_vt);
    asezare->addWidget(CreeazaBaraJos());
    CreeazaButoaneFormular();
    connect(m_cauta, &QLineEdit::textChanged, this, &TListaElevi::Filtreaza);
}

QWidget* TListaElevi::CreeazaBaraSus()
{
    QWidget* bara = BaraButoane(49, this);
    m_panel2 = new QWidget(bara);
    m_panel2->setObjectName(QStringLiteral("Panel2"));
    auto* panel1 = new QWidget(bara);
    panel1->setObjectName(QStringLiteral("Panel1"));
    auto* eticheta = new QLabel(QStringLiteral("Cauta:"), panel1);
    eticheta->move(4, 4);
    m_cauta = new QLineEdit(panel1);
    m_cauta->setObjectName(QStringLiteral("RzEdit1"));
    m_cauta->setGeometry(4, 21, 257, 22);
    auto* asezare = new QHBoxLayout(bara);
    asezare->setContentsMargins(0, 0, 0, 0);
    asezare->setSpacing(0);
    asezare->addWidget(m_panel2);
    asezare->addWidget(panel1, 1);
    return bara;
}

QWidget* TListaElevi::CreeazaBaraJos()
{
    return BaraAdaugaModificaSterge(30, 4, 3, {[this] { Adauga(); }, [this] { Modifica(); }, [this] { Sterge(); }},
                                    this);
}

void TListaElevi::CreeazaButoaneFormular()
{
    const TListaHandlerFormularDePrintat& handlere = TListaHandlerFormularDePrintat::Instanta();
    int x = 4;
    for (int i = 0; i < handlere.Count(); ++i) {
        auto* buton = new TButonFormular(
            handlere.Handler(i), [this] { return IdSelectat(*m_vt); }, m_panel2);
        buton->setGeometry(x, 4, 128, 40);
        buton->setIcon(m_imagine);
        m_butoaneFormular.append(buton);
        x += buton->width() + 4;
    }
    m_panel2->setFixedWidth(x + 4);
}

void TListaElevi::Reincarca()
{
    m_linii = CitesteLiniiAfisate(QStringLiteral("ELEVI"), ProfilCerut().ListaCampuriElev());
    Filtreaza();
}

void TListaElevi::Filtreaza()
{
    m_vt->clear();
    QList<QTreeWidgetItem*> noduri;
    for (const TLinieElev& linie : LiniiVizibile())
        noduri.append(NodNou(linie.Denumire, linie.Id));
    m_vt->addTopLevelItems(noduri);
}

TListaLiniiElevi TListaElevi::LiniiVizibile() const
{
    return LiniiFiltrate(m_linii, m_cauta->text());
}

QStringList TListaElevi::LiniiAfisate() const
{
    QStringList linii;
    for (int i = 0; i < m_vt->topLevelItemCount(); ++i)
        linii << m_vt->topLevelItem(i)->text(0);
    return linii;
}

template <typename Pregatire>
void TListaElevi::EditeazaElev(Pregatire&& pregateste)
{
    TAdaugaElev dialog(this);
    pregateste(dialog);
    if (dialog.exec() == QDialog::Accepted)
        Reincarca();
}

void TListaElevi::Adauga()
{
    EditeazaElev([](TAdaugaElev& dialog) { dialog.PregatesteNou(); });
}

void TListaElevi::Modifica()
{
    const std::optional<int> id = IdSelectatSauMesaj(*m_vt, FaraSelectie);
    if (!id)
        return;
    EditeazaElev([id](TAdaugaElev& dialog) { dialog.PregatesteExistent(*id); });
}

void TListaElevi::Sterge()
{
    const std::optional<int> id = IdSelectatSauMesaj(*m_vt, FaraSelectie);
    if (!id)
        return;
    if (!Prompt().Confirma(QStringLiteral("Doriti sa stergeti elevul: ")))
        return;
    StergeInregistrare(QStringLiteral("ELEVI"), *id);
    Reincarca();
}
