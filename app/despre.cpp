#include "app/despre.h"

#include "app/pictograma.h"
#include "dialoguri/centreazafereastra.h"
#include "base/dosardate.h"
#include "base/versiune.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* Eticheta(const QString& text, int pixeli, bool aldin, QWidget* parinte)
{
    auto* eticheta = new QLabel(text, parinte);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixeli);
    font.setBold(aldin);
    eticheta->setFont(font);
    return eticheta;
}

} // namespace

TDespre::TDespre(QWidget* parent)
    : QDialog(parent),
      m_versiune(Eticheta(QStringLiteral("Versiunea ") + VersiuneProgram(), 13, false, this)),
      m_dosarDate(Eticheta(::DosarDate(), 13, false, this)),
      m_ok(new QPushButton(QStringLiteral("Ok"), this))
{
    setObjectName(QStringLiteral("TDespre"));
    setWindowTitle(QStringLiteral("Despre ") + NumeProgram());
    m_versiune->setObjectName(QStringLiteral("Versiune"));
    m_dosarDate->setObjectName(QStringLiteral("DosarDate"));
    m_dosarDate->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_ok->setDefault(true);

    auto* imagine = new QLabel(this);
    imagine->setPixmap(PictogramaProgram().pixmap(128));
    auto* asezare = new QGridLayout(this);
    asezare->addWidget(imagine, 0, 0, 5, 1, Qt::AlignTop);
    asezare->addWidget(Eticheta(NumeProgram(), 20, true, this), 0, 1);
    asezare->addWidget(Eticheta(QStringLiteral("Certificat de promovare a testelor nationale"), 13, false, this), 1, 1);
    asezare->addWidget(m_versiune, 2, 1);
    asezare->addWidget(Eticheta(QStringLiteral("Dosarul de date:"), 13, true, this), 3, 1);
    asezare->addWidget(m_dosarDate, 4, 1);
    asezare->addWidget(m_ok, 5, 1, Qt::AlignRight);
    asezare->setColumnStretch(1, 1);
    asezare->setHorizontalSpacing(16);

    connect(m_ok, &QPushButton::clicked, this, &TDespre::Ok);
    // Sized by its layout first, so that it is centred at its real size.
    setFixedSize(sizeHint());
    CentreazaFereastra(this);
}
