#include "editors/listaelevi.h"

#include "base/userprompt.h"
#include "editors/adaugaelev.h"
#include "editors/listacomuna.h"
#include "profile/inregistrare.h"
#include "forms/butonformular.h"
#include "forms/handlerformular.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString FaraSelectie = QStringLiteral("Va rog selectati un elev!");

const QString PrimiiPasi = QStringLiteral(
    "Nu exista inca niciun elev.\n\n"
    "Primii pasi:\n"
    "1. Completati datele scolii: meniul Configurare, \"Configurare scoala\".\n"
    "2. Importati o clasa: meniul Configurare, \"Import din Excel\",\n"
    "    sau adaugati un elev cu butonul \"Adauga\" (tasta Ins).");

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

    m_mesajGol = new QLabel(m_vt->viewport());
    m_mesajGol->setObjectName(QStringLiteral("MesajListaGoala"));
    m_mesajGol->setWordWrap(true);
    m_mesajGol->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_mesajGol->setMargin(12);
    m_mesajGol->setForegroundRole(QPalette::PlaceholderText);
    m_vt->viewport()->installEventFilter(this);
    connect(m_vt, &QTreeWidget::itemSelectionChanged, this, &TListaElevi::ActualizeazaButoanele);
    connect(m_vt, &QTreeWidget::itemDoubleClicked, this, [this] { RuleazaCuEroare([this] { Modifica(); }); });
    CreeazaScurtaturi();
    Filtreaza();
}

void TListaElevi::CreeazaScurtaturi()
{
    const auto scurtatura = [this](const QKeySequence& taste, QWidget* unde, Qt::ShortcutContext context,
                                   void (TListaElevi::*actiune)()) {
        auto* s = new QShortcut(taste, unde);
        s->setContext(context);
        connect(s, &QShortcut::activated, this,
                [this, actiune] { RuleazaCuEroare([this, actiune] { (this->*actiune)(); }); });
    };
    scurtatura(QKeySequence(Qt::Key_Insert), this, Qt::WindowShortcut, &TListaElevi::Adauga);
    scurtatura(QKeySequence(Qt::CTRL | Qt::Key_P), this, Qt::WindowShortcut, &TListaElevi::DeschideFormularul);
    // Enter and Del only in the list: in the search box they edit the search.
    scurtatura(QKeySequence(Qt::Key_Return), m_vt, Qt::WidgetShortcut, &TListaElevi::Modifica);
    scurtatura(QKeySequence(Qt::Key_Enter), m_vt, Qt::WidgetShortcut, &TListaElevi::Modifica);
    scurtatura(QKeySequence(Qt::Key_Delete), m_vt, Qt::WidgetShortcut, &TListaElevi::Sterge);
    auto* cauta = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    connect(cauta, &QShortcut::activated, this, [this] {
        m_cauta->setFocus(Qt::ShortcutFocusReason);
        m_cauta->selectAll();
    });
}

bool TListaElevi::eventFilter(QObject* obiect, QEvent* event)
{
    if (obiect == m_vt->viewport() && event->type() == QEvent::Resize)
        m_mesajGol->resize(m_vt->viewport()->size());
    return QFrame::eventFilter(obiect, event);
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
    QWidget* bara = BaraAdaugaModificaSterge(
        30, 4, 3, {[this] { Adauga(); }, [this] { Modifica(); }, [this] { Sterge(); }}, this);
    m_modifica = bara->findChild<QPushButton*>(QStringLiteral("Modifica"));
    m_sterge = bara->findChild<QPushButton*>(QStringLiteral("Sterge"));
    return bara;
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
    const QString mesaj = MesajListaGoala();
    m_mesajGol->setText(mesaj);
    m_mesajGol->resize(m_vt->viewport()->size());
    m_mesajGol->setVisible(!mesaj.isEmpty());
    ActualizeazaButoanele();
    emit LiniiSchimbate();
}

QString TListaElevi::MesajListaGoala() const
{
    if (m_vt->topLevelItemCount() > 0)
        return {};
    if (m_linii.empty())
        return PrimiiPasi;
    return QStringLiteral("Niciun elev nu se potriveste cautarii \"%1\".").arg(m_cauta->text());
}

int TListaElevi::NumarAfisati() const
{
    return m_vt->topLevelItemCount();
}

void TListaElevi::ActualizeazaButoanele()
{
    const bool ales = PrimulSelectat(*m_vt) != nullptr;
    m_modifica->setEnabled(ales);
    m_sterge->setEnabled(ales);
}

void TListaElevi::Selecteaza(int id)
{
    for (int i = 0; i < m_vt->topLevelItemCount(); ++i) {
        QTreeWidgetItem* nod = m_vt->topLevelItem(i);
        if (nod->data(0, Qt::UserRole).toInt() == id) {
            m_vt->setCurrentItem(nod);
            m_vt->scrollToItem(nod);
            return;
        }
    }
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
    if (dialog.exec() != QDialog::Accepted)
        return;
    Reincarca();
    Selecteaza(dialog.IdSalvat());
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

void TListaElevi::DeschideFormularul()
{
    if (!m_butoaneFormular.isEmpty())
        m_butoaneFormular.first()->click();
}

void TListaElevi::Sterge()
{
    const std::optional<int> id = IdSelectatSauMesaj(*m_vt, FaraSelectie);
    if (!id)
        return;
    if (!Prompt().Confirma(QStringLiteral("Doriti sa stergeti elevul: %1?").arg(PrimulSelectat(*m_vt)->text(0))))
        return;
    StergeInregistrare(QStringLiteral("ELEVI"), *id);
    Reincarca();
}
