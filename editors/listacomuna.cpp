#include "editors/listacomuna.h"

#include "base/userprompt.h"
#include "profile/inregistrare.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

QTreeWidget* CreeazaListaVT(const QStringList& coloane, const QList<int>& latimi, QWidget* parinte)
{
    auto* vt = new QTreeWidget(parinte);
    vt->setObjectName(QStringLiteral("VT"));
    vt->setHeaderLabels(coloane);
    for (int i = 0; i < latimi.size(); ++i)
        vt->setColumnWidth(i, latimi.at(i));
    vt->header()->setSectionsMovable(true);
    vt->header()->setStretchLastSection(false);
    vt->setRootIsDecorated(false);
    vt->setUniformRowHeights(true);
    vt->setSelectionBehavior(QAbstractItemView::SelectRows);
    vt->setSelectionMode(QAbstractItemView::SingleSelection);
    return vt;
}

QTreeWidgetItem* NodNou(const QString& text, int id)
{
    auto* nod = new QTreeWidgetItem(QStringList{text});
    nod->setData(0, Qt::UserRole, id);
    return nod;
}

const QTreeWidgetItem* PrimulSelectat(const QTreeWidget& vt)
{
    for (int i = 0; i < vt.topLevelItemCount(); ++i)
        if (vt.topLevelItem(i)->isSelected())
            return vt.topLevelItem(i);
    return nullptr;
}

std::optional<int> IdSelectat(const QTreeWidget& vt)
{
    const QTreeWidgetItem* nod = PrimulSelectat(vt);
    if (!nod)
        return std::nullopt;
    return nod->data(0, Qt::UserRole).toInt();
}

std::optional<int> IdSelectatSauMesaj(const QTreeWidget& vt, const QString& mesaj)
{
    const std::optional<int> id = IdSelectat(vt);
    if (!id)
        Prompt().Informatie(mesaj);
    return id;
}

QPushButton* ButonLa(const QString& text, int x, int y, QWidget* bara)
{
    auto* buton = new QPushButton(text, bara);
    buton->setGeometry(x, y, 75, 25);
    return buton;
}

QWidget* BaraButoane(int inaltime, QWidget* parinte)
{
    auto* bara = new QWidget(parinte);
    bara->setFixedHeight(inaltime);
    return bara;
}

QWidget* BaraAdaugaModificaSterge(int inaltime, int x, int y, const TActiuniLista& actiuni, QWidget* parinte)
{
    QWidget* bara = BaraButoane(inaltime, parinte);
    const struct {
        const char* Nume;
        const char* Text;
        std::function<void()> Actiune;
    } butoane[] = {{"Adauga", "&Adauga", actiuni.Adauga},
                   {"Modifica", "&Modifica", actiuni.Modifica},
                   {"Sterge", "&Sterge", actiuni.Sterge}};
    for (const auto& buton : butoane) {
        QPushButton* apasat = ButonLa(QString::fromLatin1(buton.Text), x, y, bara);
        apasat->setObjectName(QString::fromLatin1(buton.Nume));
        QObject::connect(apasat, &QPushButton::clicked, bara,
                         [actiune = buton.Actiune] { RuleazaCuEroare(actiune); });
        x += 80;
    }
    return bara;
}
