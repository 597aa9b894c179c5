#include "app/ghid.h"

#include "dialoguri/centreazafereastra.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

// Outside any namespace: the resource's initialiser is declared where it is called. The
// resource lives in a static library, and nothing else would make the linker keep it.
static QString TextulGhidului()
{
    Q_INIT_RESOURCE(ajutor);
    QFile fisier(QStringLiteral(":/ajutor/ghid.html"));
    if (!fisier.open(QIODevice::ReadOnly))
        return QStringLiteral("Ghidul nu a putut fi citit.");
    return QString::fromUtf8(fisier.readAll());
}

TGhid::TGhid(QWidget* parent) : QDialog(parent), m_text(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Ajutor"));
    resize(640, 560);
    m_text->setHtml(TextulGhidului());
    auto* butoane = new QDialogButtonBox(QDialogButtonBox::Close, this);
    butoane->button(QDialogButtonBox::Close)->setText(QStringLiteral("Inchide"));
    connect(butoane, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* asezare = new QVBoxLayout(this);
    asezare->addWidget(m_text);
    asezare->addWidget(butoane);
    CentreazaFereastra(this);
}
