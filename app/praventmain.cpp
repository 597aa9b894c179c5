#include "app/praventmain.h"

#include "base/centreazafereastra.h"
#include "app/conectareserver.h"
#include "app/despre.h"
#include "app/editorconfigglobal.h"
#include "base/userprompt.h"
#include "base/versiune.h"
#include "db/tdm.h"
#include "editors/configurarediploma.h"
#include "editors/listaelevi.h"
#include "editors/listagenerica.h"
#include "print/printwiz.h"
#include "print/tiparireinserie.h"

#include <QCursor>
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

    m_configurare = menuBar()->addMenu(QStringLiteral("Configurare"));
    m_configurareimprimanta2 = AdaugaArticol(QStringLiteral("Configurareimprimanta2"), QStringLiteral("Configurare imprimanta"));
    m_formatnote1 = AdaugaArticol(QStringLiteral("Formatnote1"), QStringLiteral("Format note"));
    m_configurare->addSeparator()->setObjectName(QStringLiteral("N1"));
    m_configurarediploma1 = AdaugaArticol(QStringLiteral("Configurarediploma1"), QStringLiteral("Configurare sablon diploma"));
    m_configurarescoala1 = AdaugaArticol(QStringLiteral("Configurarescoala1"), QStringLiteral("Configurare scoala"));
    m_configurare->addSeparator()->setObjectName(QStringLiteral("N2"));
    m_importdinExcel1 = AdaugaArticol(QStringLiteral("ImportdinExcel1"), QStringLiteral("Import din Excel"));
    m_configurare->addSeparator()->setObjectName(QStringLiteral("N3"));
    m_conectareServer1 = AdaugaArticol(QStringLiteral("ConectareServer1"), QStringLiteral("Conectare la server"));

    // Printing a class sits beside the configuration rather than among the form buttons:
    // those are one per printable form, and this prints the certificate for many pupils.
    m_tiparire = menuBar()->addMenu(QStringLiteral("Tiparire"));
    m_tiparireInSerie1 = m_tiparire->addAction(QStringLiteral("Tiparire in serie"));
    m_tiparireInSerie1->setObjectName(QStringLiteral("TiparireInSerie1"));
    connect(m_tiparireInSerie1, &QAction::triggered, this, &TPraventMain::TiparireInSerie1Click);

    m_ajutor = menuBar()->addMenu(QStringLiteral("Ajutor"));
    m_despre1 = m_ajutor->addAction(QStringLiteral("Despre ") + NumeProgram());
    m_despre1->setObjectName(QStringLiteral("Despre1"));

    connect(m_configurareimprimanta2, &QAction::triggered, this, &TPraventMain::Configurareimprimanta2Click);
    connect(m_formatnote1, &QAction::triggered, this, &TPraventMain::Formatnote1Click);
    connect(m_configurarediploma1, &QAction::triggered, this, &TPraventMain::Configurarediploma1Click);
    connect(m_configurarescoala1, &QAction::triggered, this, &TPraventMain::Configurarescoala1Click);
    connect(m_despre1, &QAction::triggered, this, &TPraventMain::Despre1Click);
    connect(m_conectareServer1, &QAction::triggered, this, [this] { ConecteazaLaServer(this); });
    // The import is not part of this build yet: its item stays visible but cannot be chosen.
    m_importdinExcel1->setEnabled(false);

    m_listaElevi = new TListaElevi(this);
    setCentralWidget(m_listaElevi);
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

void TPraventMain::TiparireInSerie1Click()
{
    RuleazaCuEroare([this] {
        TTiparireInSerie dialog(m_listaElevi->LiniiVizibile(), this);
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
