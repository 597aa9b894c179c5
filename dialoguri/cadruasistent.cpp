#include "dialoguri/cadruasistent.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QWidget* Antet(const QString& titlu, const QPixmap& imagine, const QColor& culoareTitlu)
{
    auto* antet = new QWidget;
    antet->setAutoFillBackground(true);
    QPalette paleta = antet->palette();
    paleta.setColor(QPalette::Window, Qt::white);
    antet->setPalette(paleta);
    auto* asezare = new QHBoxLayout(antet);
    asezare->setContentsMargins(16, 6, 16, 6);
    auto* text = new QLabel(titlu);
    QFont font = text->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 2);
    text->setFont(font);
    text->setWordWrap(true);
    if (culoareTitlu.isValid()) {
        QPalette culori = text->palette();
        culori.setColor(QPalette::WindowText, culoareTitlu);
        text->setPalette(culori);
    }
    asezare->addWidget(text, 1);
    auto* poza = new QLabel;
    poza->setPixmap(imagine);
    poza->setAlignment(Qt::AlignCenter);
    asezare->addWidget(poza);
    return antet;
}

} // namespace

TButoaneAsistent AseazaAsistent(QDialog& dialog, QWidget* pagini, const QString& titlu, const QPixmap& imagine,
                                const QColor& culoareTitlu)
{
    auto* butoane = new QHBoxLayout;
    const TButoaneAsistent b{new QPushButton(QStringLiteral("Inapoi")), new QPushButton(QStringLiteral("Inainte")),
                             new QPushButton(QStringLiteral("Renunt"))};
    butoane->addStretch();
    for (QPushButton* buton : {b.Inapoi, b.Inainte, b.Renunt}) {
        buton->setAutoDefault(false);
        butoane->addWidget(buton);
    }
    auto* asezare = new QVBoxLayout(&dialog);
    asezare->setContentsMargins(0, 0, 0, 0);
    asezare->addWidget(Antet(titlu, imagine, culoareTitlu));
    auto* corp = new QVBoxLayout;
    corp->setContentsMargins(16, 8, 16, 8);
    corp->addWidget(pagini, 1);
    corp->addLayout(butoane);
    asezare->addLayout(corp, 1);
    return b;
}
