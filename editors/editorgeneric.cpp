#include "editors/editorgeneric.h"

#include "base/textunrand.h"
#include "base/userprompt.h"
#include "db/depozit.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TEditorGeneric::TEditorGeneric(QWidget* parent) : QFrame(parent), m_eticheta(new QLabel(this))
{
    setFixedHeight(36);
    setAutoFillBackground(true);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, QColor(0xF7, 0xF6, 0xF5));
    setPalette(paleta);
    auto* asezare = new QVBoxLayout(this);
    asezare->setContentsMargins(8, 0, 4, 2);
    asezare->setSpacing(0);
    m_eticheta->setFixedHeight(13);
    asezare->addWidget(m_eticheta);
}

void TEditorGeneric::AsazaControl(QWidget* control)
{
    control->setFixedHeight(21);
    setFocusProxy(control);
    static_cast<QVBoxLayout*>(layout())->addWidget(control);
}

int TEditorGeneric::IdAles(const QString& tabel, int idElev, int idInregistrare)
{
    return tabel == QLatin1String("ELEVI") ? idElev : idInregistrare;
}

void TEditorGeneric::Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                             const QString& tabel, int idElev, int idInregistrare)
{
    CodFormular = codFormular;
    CodPagina = codPagina;
    CodCamp = codCamp;
    Tabel = tabel;
    IdElev = idElev;
    IdInregistrare = idInregistrare;
    Id = IdAles(tabel, idElev, idInregistrare);
}

bool TEditorGeneric::PotSalva()
{
    Prompt().Avertisment(QStringLiteral("Functioa \"PotSalva\" nu este implementata pentru ")
                         + QString::fromLatin1(metaObject()->className()));
    return false;
}

void TEditorGeneric::Salveaza(int idElev, int idInregistrare, const QString& tabel)
{
    if (const std::optional<QString> valoare = ValoareDeSalvat())
        ScrieValoareStocata(Referinta(), tabel, IdAles(tabel, idElev, idInregistrare), *valoare);
}

TReferintaCamp TEditorGeneric::Referinta() const
{
    return {CodFormular, CodPagina, CodCamp};
}

QString TEditorGeneric::ValoareStocata() const
{
    return ::ValoareStocata(Referinta(), Tabel, Id);
}

void TEditorGeneric::RetineIncarcarea(const QString& stocata, const QLineEdit& control)
{
    m_stocata = stocata;
    m_comparata = stocata;
    m_afisata = control.text();
}

bool TEditorGeneric::Modificat() const
{
    const std::optional<QString> deSalvat = ValoareDeSalvat();
    return deSalvat && *deSalvat != m_stocata;
}

bool TEditorGeneric::Neatins(const QLineEdit& control) const
{
    return !m_stocata.isNull() && !control.isModified() && control.text() == m_afisata;
}

QString TEditorGeneric::ValoareDinControl(const QLineEdit& control, int lungime) const
{
    return Neatins(control) ? m_stocata : TaieLaCaractere(control.text().trimmed(), lungime).trimmed();
}
