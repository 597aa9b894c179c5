#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class TListaElevi;

// The main window: the menus "Configurare", "Tiparire" and "Ajutor", the pupil list filling
// the client area and, under it, a status line that says how many pupils and which database.
class TPraventMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TPraventMain(QWidget* parent = nullptr);

    QMenu* MeniuConfigurare() const { return m_configurare; }
    QAction* Configurareimprimanta2() const { return m_configurareimprimanta2; }
    QAction* Formatnote1() const { return m_formatnote1; }
    QAction* Configurarediploma1() const { return m_configurarediploma1; }
    QAction* Configurarescoala1() const { return m_configurarescoala1; }
    QAction* ImportdinExcel1() const { return m_importdinExcel1; }
    QAction* ConectareServer1() const { return m_conectareServer1; }
    QMenu* MeniuTiparire() const { return m_tiparire; }
    QAction* TiparireInSerie1() const { return m_tiparireInSerie1; }
    QAction* Registru1() const { return m_registru1; }
    QMenu* MeniuAjutor() const { return m_ajutor; }
    QAction* Despre1() const { return m_despre1; }
    QAction* Ghid1() const { return m_ghid1; }
    QAction* Iesire1() const { return m_iesire1; }
    QLabel* StareElevi() const { return m_stareElevi; }
    QLabel* StareBaza() const { return m_stareBaza; }

    // Maximises the window on a monitor less than 1200 pixels high, with a restored size
    // 30 pixels smaller than the work area.
    void AdaptareEcranMic();

    TListaElevi* ListaElevi() const { return m_listaElevi; }

    void Configurareimprimanta2Click();
    void Formatnote1Click();
    void Configurarediploma1Click();
    void Configurarescoala1Click();
    // The import wizard; the pupil list is read again whatever its result.
    void ImportdinExcel1Click();
    // Opens the class print job on the pupils the list shows.
    void TiparireInSerie1Click();
    // The register of issued certificates.
    void Registru1Click();
    void Despre1Click();
    void Ghid1Click();

private:
    QAction* AdaugaArticol(const QString& nume, const QString& text);
    void CreeazaBaraDeStare();
    void ActualizeazaStarea();

    QMenu* m_configurare;
    QAction* m_configurareimprimanta2;
    QAction* m_formatnote1;
    QAction* m_configurarediploma1;
    QAction* m_configurarescoala1;
    QAction* m_importdinExcel1;
    QAction* m_conectareServer1;
    QMenu* m_tiparire;
    QAction* m_tiparireInSerie1;
    QAction* m_registru1;
    QMenu* m_ajutor;
    QAction* m_despre1;
    QAction* m_ghid1;
    QAction* m_iesire1;
    TListaElevi* m_listaElevi;
    QLabel* m_stareElevi = nullptr;
    QLabel* m_stareBaza = nullptr;
};
