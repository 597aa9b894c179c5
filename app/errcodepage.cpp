#include "app/errcodepage.h"

#include "dialoguri/centreazafereastra.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

// The steps of the system the program runs on: on Linux the language is the locale.
struct TPasi {
    const char* Titlu;
    const char* Deschide;
    const char* Alege;
};

#ifdef Q_OS_WIN
const TPasi Pasi{"Instructiuni pentru Windows XP",
                 "Apasati butonul de mai jos pentru a deschide pagina \"Regional and Language Options\" din Control "
                 "Panel:",
                 "Apoi mergeti in tabul \"Advanced\" si alegeti limba implicita limba Romana."};
#else
const TPasi Pasi{"Instructiuni pentru Linux",
                 "Apasati butonul de mai jos pentru a deschide setarile de limba si regiune ale desktopului:",
                 "Alegeti limba sau formatele \"Romana\" (ro_RO.UTF-8), iesiti din sesiune si intrati din nou, "
                 "apoi porniti programul. Fara desktop: sudo dpkg-reconfigure locales si LANG=ro_RO.UTF-8."};
#endif

QLabel* Eticheta(const QString& text, int pixeli, bool aldin, const QString& culoare, QWidget* parinte)
{
    auto* eticheta = new QLabel(text, parinte);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixeli);
    font.setBold(aldin);
    eticheta->setFont(font);
    eticheta->setWordWrap(true);
    if (!culoare.isEmpty())
        eticheta->setStyleSheet(QStringLiteral("color: %1;").arg(culoare));
    return eticheta;
}

} // namespace

TErrCodePage::TErrCodePage(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_rzBitBtn1(new QPushButton(QStringLiteral("Deschide pagina"), this)),
      m_rzBitBtn2(new QPushButton(QStringLiteral("Ok"), this))
{
    setObjectName(QStringLiteral("TErrCodePage"));
    setWindowTitle(QStringLiteral("Eroare de limba implicita"));
    setFixedSize(483, 270);
    m_rzBitBtn1->setObjectName(QStringLiteral("RzBitBtn1"));
    m_rzBitBtn2->setObjectName(QStringLiteral("RzBitBtn2"));
    m_rzBitBtn2->setDefault(true);

    const QString maro = QStringLiteral("maroon");
    auto* asezare = new QVBoxLayout(this);
    asezare->addWidget(Eticheta(QStringLiteral("Am identificat o problema"), 16, true, maro, this));
    asezare->addWidget(Eticheta(
        QStringLiteral("Limba implicita a programelor pentru calculatorul dumneavoastra nu este limba romana. Pentru a "
                       "putea tipari diplomele CU DIACRITICE este necesar sa stabiliti limba implicita limba romana."),
        13, false, QString(), this));
    asezare->addWidget(Eticheta(QString::fromUtf8(Pasi.Titlu), 13, true, QString(), this));

    auto* pasi = new QGridLayout();
    pasi->addWidget(Eticheta(QStringLiteral("(1)"), 24, true, maro, this), 0, 0, 2, 1, Qt::AlignTop);
    pasi->addWidget(Eticheta(QString::fromUtf8(Pasi.Deschide), 13, false, QString(), this),
                    0, 1);
    pasi->addWidget(m_rzBitBtn1, 1, 1, Qt::AlignLeft);
    pasi->addWidget(Eticheta(QStringLiteral("(2)"), 24, true, maro, this), 2, 0, Qt::AlignTop);
    pasi->addWidget(Eticheta(QString::fromUtf8(Pasi.Alege), 13, false, QString(), this),
                    2, 1);
    pasi->setColumnStretch(1, 1);
    asezare->addLayout(pasi);

    auto* linie = new QFrame(this);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    asezare->addWidget(linie);
    asezare->addWidget(m_rzBitBtn2, 0, Qt::AlignRight);

    connect(m_rzBitBtn1, &QPushButton::clicked, this, &TErrCodePage::DeschidePagina);
    connect(m_rzBitBtn2, &QPushButton::clicked, this, &QDialog::accept);
    CentreazaFereastra(this);
}

void TErrCodePage::DeschidePagina()
{
    const struct {
        const char* Program;
        const char* Argument;
    } setariRegionale[] = {{"gnome-control-center", "region"}, {"systemsettings", "kcm_regionandlang"},
                           {"xfce4-settings-manager", ""}};
    for (const auto& setare : setariRegionale) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(setare.Program));
        if (program.isEmpty())
            continue;
        QStringList argumente;
        if (*setare.Argument)
            argumente << QString::fromLatin1(setare.Argument);
        QProcess::startDetached(program, argumente);
        return;
    }
}
