#include "app/splash.h"

#include "dialoguri/centreazafereastra.h"
#include "app/conectareserver.h"
#include "app/errcodepage.h"
#include "base/versiune.h"

#include <QDir>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QStringEncoder>
#include <QKeyEvent>
#include <QTimer>

#include <clocale>
#include <langinfo.h>

namespace {

QPixmap ImagineSplash()
{
    QPixmap imagine(480, 248);
    QPainter p(&imagine);
    QLinearGradient fundal(0, 0, 0, 248);
    fundal.setColorAt(0, QColor(0x1f, 0x3a, 0x6e));
    fundal.setColorAt(1, QColor(0x8f, 0xb0, 0xe0));
    p.fillRect(imagine.rect(), fundal);
    p.setPen(QColor(255, 255, 255));
    QFont titlu(QStringLiteral("Arial"));
    titlu.setPixelSize(40);
    titlu.setBold(true);
    p.setFont(titlu);
    p.drawText(QRect(0, 50, 480, 50), Qt::AlignCenter, QStringLiteral("Pravent 2006"));
    QFont subtitlu(QStringLiteral("Arial"));
    subtitlu.setPixelSize(16);
    p.setFont(subtitlu);
    p.drawText(QRect(0, 110, 480, 30), Qt::AlignCenter, QStringLiteral("Certificat de promovare a testelor nationale"));
    p.setPen(QPen(QColor(255, 255, 255, 160), 2));
    p.drawLine(60, 150, 420, 150);
    return imagine;
}

} // namespace

TSplashForm::TSplashForm(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog),
      m_image1(new QLabel(this)),
      m_label1(new QLabel(this)),
      m_conectareServer(new QPushButton(this)),
      m_timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("TSplashForm"));
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setPixmap(ImagineSplash());
    m_image1->setGeometry(0, 0, 480, 248);
    setFixedSize(480, 248);

    m_label1->setObjectName(QStringLiteral("Label1"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    font.setBold(true);
    m_label1->setFont(font);
    m_label1->setAttribute(Qt::WA_TranslucentBackground);
    m_label1->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    m_label1->setAlignment(Qt::AlignRight | Qt::AlignTop);

    // Where the data is must be choosable before the start looks for it.
    m_conectareServer->setObjectName(QStringLiteral("ConectareServer"));
    m_conectareServer->setText(QStringLiteral("Conectare la server..."));
    m_conectareServer->setFlat(true);
    m_conectareServer->setStyleSheet(QStringLiteral("color: white; text-decoration: underline;"));
    m_conectareServer->adjustSize();
    m_conectareServer->move(6, 248 - 6 - m_conectareServer->height());
    connect(m_conectareServer, &QPushButton::clicked, this, &TSplashForm::ConectareServerClick);

    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(100);
    connect(m_timer1, &QTimer::timeout, this, &TSplashForm::Timer1Timer);
    m_timer1->start();
    CentreazaFereastra(this);
}

void TSplashForm::SeteazaText(const QString& text)
{
    m_label1->setText(text);
    m_label1->adjustSize();
    // Right edge fixed at x 474, top at y 226: a longer text grows to the left.
    m_label1->move(474 - m_label1->width(), 226);
}

void TSplashForm::ConectareServerClick()
{
    m_timer1->stop();
    ConecteazaLaServer(this);
    accept();
}

void TSplashForm::Timer1Timer()
{
    ++m_ticuri;
    if (m_ticuri > 50)
        Inchide();
}

void TSplashForm::Inchide()
{
    m_timer1->stop();
    accept();
}

void TSplashForm::mousePressEvent(QMouseEvent*)
{
    Inchide();
}

void TSplashForm::keyPressEvent(QKeyEvent* event)
{
    // Tab still reaches "Conectare la server...".
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        QDialog::keyPressEvent(event);
    else
        Inchide();
}

bool CodePageEste1250()
{
    const char* setCaractere = nl_langinfo(CODESET);
    if (!setCaractere || !*setCaractere)
        return false;
    QStringEncoder codificator(setCaractere);
    if (!codificator.isValid())
        return false;
    const QByteArray codat = codificator.encode(QStringLiteral("\u0102\u00c2\u00ce\u015e\u0162\u0103\u00e2\u00ee\u015f\u0163"));
    return !codificator.hasError() && !codat.contains('?');
}

void AfiseazaSplash(const QString& text)
{
    QDir().mkpath(QDir::tempPath());
    if (!CodePageEste1250()) {
        TErrCodePage dialog;
        dialog.exec();
    }
    TSplashForm splash;
    splash.SeteazaText(text + QStringLiteral(" - ") + VersiuneProgram());
    splash.exec();
}
