#include "app/praventmain.h"

#include "dialoguri/centreazafereastra.h"
#include "app/conectareserver.h"
#include "app/despre.h"
#include "app/editorconfigglobal.h"
#include "app/ghid.h"
#include "base/userprompt.h"
#include "base/versiune.h"
#include "db/tdm.h"
#include "editors/configurarediploma.h"
#include "editors/listaelevi.h"
#include "editors/listagenerica.h"
#include "import/importexcelexpert.h"
#include "print/fereastraregistru.h"
#include "print/printwiz.h"
#include "print/tiparireinserie.h"

#include <QCursor>
#include <QLabel>
#include <QStatusBar>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

TPraventMain::TPraventMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TPraventMain"));
    setWindowTitle(QStringLiteral("Certificat de promovare a testelor nationale"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    setFont(font);
    setGeometry(190, 204, 755, 445);

    m_configurare = menuBar()->addMenu(QStringLiteral("&Configurare"));
    m_configurareimprimanta2 = AdaugaArticol(QStringLiteral("Configurareimprimanta2"), QStringLiteral("Configurare &imprimanta"));
    m_formatnote1 = AdaugaArticol(QStringLiteral("Formatnote1"), QStringLiteral("&Format note"));
    m_configurare->addSeparator()->setObjectName(QStringLiteral("N1"));
    m_configurarediploma1 = AdaugaArticol(QStringLiteral("Configurarediploma1"), QStringLiteral("Configurare sablon &diploma"));
    m_configurarescoala1 = AdaugaArticol(QStringLiteral("Configurarescoala1"), QStringLiteral("Configurare &scoala"));
    m_configurare->addSeparator()->setObjectName(QStringLiteral("N2"));
    m_importdinExcel1 = AdaugaArticol(QStringLiteral("ImportdinExcel1"), QStringLiteral("Import din &Excel"));
    m_configurare->addSeparator()->setObjectName(QStringLiteral("N3"));
    m_conectareServer1 = AdaugaArticol(QStringLiteral("ConectareServer1"), QStringLiteral("&Conectare la server"));
    m_configurare->addSeparator()->setObjectName(QStringLiteral("N4"));
    m_iesire1 = AdaugaArticol(QStringLiteral("Iesire1"), QStringLiteral("I&esire"));
    m_iesire1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(m_iesire1, &QAction::triggered, this, &QWidget::close);

    // Printing a class sits beside the configuration rather than among the form buttons:
    // those are one per printable form, and this prints the certificate for many pupils.
    m_tiparire = menuBar()->addMenu(QStringLiteral("&Tiparire"));
    m_tiparireInSerie1 = m_tiparire->addAction(QStringLiteral("Tiparire in &serie"));
    m_tiparireInSerie1->setObjectName(QStringLiteral("TiparireInSerie1"));
    connect(m_tiparireInSerie1, &QAction::triggered, this, &TPraventMain::TiparireInSerie1Click);

    m_registru1 = menuBar()->addAction(QStringLiteral("&Registru"));
    m_registru1->setObjectName(QStringLiteral("Registru1"));
    connect(m_registru1, &QAction::triggered, this, &TPraventMain::Registru1Click);

    m_ajutor = menuBar()->addMenu(QStringLiteral("&Ajutor"));
    m_ghid1 = m_ajutor->addAction(QStringLiteral("&Ghid de utilizare"));
    m_ghid1->setObjectName(QStringLiteral("Ghid1"));
    m_ghid1->setShortcut(QKeySequence(Qt::Key_F1));
    connect(m_ghid1, &QAction::triggered, this, &TPraventMain::Ghid1Click);
    m_despre1 = m_ajutor->addAction(QStringLiteral("&Despre ") + NumeProgram());
    m_despre1->setObjectName(QStringLiteral("Despre1"));

    connect(m_configurareimprimanta2, &QAction::triggered, this, &TPraventMain::Configurareimprimanta2Click);
    connect(m_formatnote1, &QAction::triggered, this, &TPraventMain::Formatnote1Click);
    connect(m_configurarediploma1, &QAction::triggered, this, &TPraventMain::Configurarediploma1Click);
    connect(m_configurarescoala1, &QAction::triggered, this, &TPraventMain::Configurarescoala1Click);
    connect(m_importdinExcel1, &QAction::triggered, this, &TPraventMain::ImportdinExcel1Click);
    connect(m_despre1, &QAction::triggered, this, &TPraventMain::Despre1Click);
    connect(m_conectareServer1, &QAction::triggered, this, [this] { ConecteazaLaServer(this); });

    m_listaElevi = new TListaElevi(this);
    setCentralWidget(m_listaElevi);
    CreeazaBaraDeStare();
    // Without a database the start-up error has been shown already.
    if (ModululDeDateConectat())
        RuleazaCuEroare([this] { m_listaElevi->Reincarca(); });

    AdaptareEcranMic();
    CentreazaFereastra(this);
}

QAction* TPraventMain::AdaugaArticol(const QString& nume, const QString& text)
{
    QAction* articol = m_configurare->addAction(text);
    articol->setObjectName(nume);
    return articol;
}

// Where she is: how many pupils there are and how many the search shows, and which
// database the program works on.
void TPraventMain::CreeazaBaraDeStare()
{
    m_stareElevi = new QLabel(this);
    m_stareElevi->setObjectName(QStringLiteral("StareElevi"));
    m_stareBaza = new QLabel(this);
    m_stareBaza->setObjectName(QStringLiteral("StareBaza"));
    statusBar()->addWidget(m_stareElevi, 1);
    statusBar()->addPermanentWidget(m_stareBaza);
    connect(m_listaElevi, &TListaElevi::LiniiSchimbate, this, &TPraventMain::ActualizeazaStarea);
    if (ModululDeDateConectat())
        m_stareBaza->setText(DM().PeServer() ? QStringLiteral("Server: %1").arg(DM().CaleBazaDeDate())
                                             : QStringLiteral("Baza de date: %1").arg(DM().CaleBazaDeDate()));
    ActualizeazaStarea();
}

void TPraventMain::ActualizeazaStarea()
{
    const int total = m_listaElevi->NumarElevi();
    const int afisati = m_listaElevi->NumarAfisati();
    QString text = total == 1 ? QStringLiteral("1 elev") : QStringLiteral("%1 elevi").arg(total);
    if (afisati != total)
        text += QStringLiteral(", %1 afisati de cautare").arg(afisati);
    m_stareElevi->setText(text);
}

void TPraventMain::AdaptareEcranMic()
{
    QScreen* ecran = QGuiApplication::screenAt(QCursor::pos());
    if (!ecran)
        ecran = QGuiApplication::primaryScreen();
    if (!ecran || ecran->geometry().height() >= 1200)
        return;
    const QRect zona = ecran->availableGeometry();
    setGeometry(zona.left() + 15, zona.top() + 15, zona.width() - 30, zona.height() - 30);
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TPraventMain::Configurareimprimanta2Click()
{
    RuleazaCuEroare([this] {
        TPrintWiz wizard(this);
        wizard.exec();
    });
}

void TPraventMain::Formatnote1Click()
{
    RuleazaCuEroare([this] {
        TEditorConfigGlobal dialog(this);
        dialog.exec();
    });
}

void TPraventMain::Configurarediploma1Click()
{
    RuleazaCuEroare([this] {
        TConfigurareDiploma dialog(this);
        dialog.exec();
    });
}

void TPraventMain::Configurarescoala1Click()
{
    RuleazaCuEroare([this] {
        TListaGenerica dialog(this);
        dialog.setWindowTitle(QStringLiteral("Configurare scoala"));
        dialog.NumeTabel = QStringLiteral("SCOALA");
        dialog.Reincarca();
        dialog.exec();
    });
}

void TPraventMain::ImportdinExcel1Click()
{
    RuleazaCuEroare([this] {
        TImportExcelExpert wizard(this);
        wizard.exec();
    });
    // Rows committed before a failure or a "Renunt" are in the database all the same.
    RuleazaCuEroare([this] { m_listaElevi->Reincarca(); });
}

void TPraventMain::Registru1Click()
{
    RuleazaCuEroare([this] {
        TFereastraRegistru fereastra(this);
        fereastra.exec();
    });
}

void TPraventMain::TiparireInSerie1Click()
{
    RuleazaCuEroare([this] {
        TTiparireInSerie dialog(m_listaElevi->LiniiVizibile(), this);
        dialog.exec();
    });
}

void TPraventMain::Ghid1Click()
{
    RuleazaCuEroare([this] {
        TGhid dialog(this);
        dialog.exec();
    });
}

void TPraventMain::Despre1Click()
{
    RuleazaCuEroare([this] {
        TDespre dialog(this);
        dialog.exec();
    });
}
