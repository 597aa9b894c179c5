#include "editors/frmgrup.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int InaltimeTitlu = 20;
constexpr int SpatiuGrup = 16;

} // namespace

TFrmGrup::TFrmGrup(const QString& numeGrup, QWidget* parent)
    : QFrame(parent), NumeGrup(numeGrup), m_panel(new QFrame(this)), m_titlu(new QLabel(numeGrup, m_panel)),
      m_suport(new QWidget(m_panel))
{
    m_panel->setObjectName(QStringLiteral("RzPanel1"));
    m_panel->setStyleSheet(QStringLiteral("#RzPanel1 { border: 4px solid #E4E2DE; border-radius: 6px; }"));
    auto* exterior = new QVBoxLayout(this);
    exterior->setContentsMargins(0, 0, 0, 0);
    exterior->addWidget(m_panel);

    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    font.setBold(true);
    m_titlu->setFont(font);
    m_titlu->setStyleSheet(QStringLiteral("color: navy;"));
    m_titlu->setFixedHeight(InaltimeTitlu);
    m_titlu->setContentsMargins(8, 0, 0, 0);

    m_suport->setAutoFillBackground(true);
    QPalette paleta = m_suport->palette();
    paleta.setColor(QPalette::Window, QColor(0xF7, 0xF6, 0xF5));
    m_suport->setPalette(paleta);
    auto* asezareSuport = new QVBoxLayout(m_suport);
    asezareSuport->setContentsMargins(0, 0, 0, 0);
    asezareSuport->setSpacing(0);
    asezareSuport->setAlignment(Qt::AlignTop);

    // The border and the margins take the 16 pixels added to the height.
    auto* interior = new QVBoxLayout(m_panel);
    interior->setContentsMargins(4, 4, 4, SpatiuGrup - 8);
    interior->setSpacing(0);
    interior->addWidget(m_titlu);
    interior->addWidget(m_suport);
}

void TFrmGrup::AjusteazaInaltimea()
{
    int inaltime = 0;
    for (QWidget* copil : m_suport->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        inaltime += copil->height();
    setFixedHeight(inaltime + m_titlu->height() + SpatiuGrup);
}
