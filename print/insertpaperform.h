#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TAllStuffReg;

// "Introduceti diploma in imprimanta": shows how to put the certificate sheet into the
// printer and lets the user correct the page's margins and choose the mirrored print.
// One instance serves the whole run.
class TInsertPaperForm : public QDialog {
    Q_OBJECT
public:
    static TInsertPaperForm& Instanta();

    // Sets the prompt up for a page (0 front, 1 back) with its margins, as the settings
    // say the printer takes the sheet.
    void Pregateste(int pagina, double stanga, double sus, const TAllStuffReg& setari);
    // A job of several cards says how many to put in; 0 for a single card says nothing.
    void ArataNumarulDeDiplome(int diplome);

    // Closes with OK once both margins read as numbers; otherwise shows why and stays.
    void Ok();
    void Renunt() { reject(); }
    // Measures the printer for the page being printed, as it prints now (the check box's
    // mirror); an accepted measurement becomes the page's margins and scale in the current
    // settings object and shows in the edit boxes.
    void Masoara();

    // The numbers read by Ok.
    double Stanga() const { return m_stanga; }
    double Sus() const { return m_sus; }

    // The sheet picture shown (1 to 4), 0 when none is.
    int ImagineAratata() const;
    bool SageataInJos() const;
    bool SageataInSus() const;
    QCheckBox* Oglinda() const { return m_oglinda; }
    QLineEdit* MargineStanga() const { return m_margineStanga; }
    QLineEdit* MargineSus() const { return m_margineSus; }
    QLabel* NumarDiplome() const { return m_numarDiplome; }
    QPushButton* ButonMasurare() const { return m_masurare; }

private:
    TInsertPaperForm();
    QWidget* Imagini();
    QWidget* Comenzi();
    void ArataImaginea();

    std::array<QLabel*, 4> m_imagini{};
    QLabel* m_sageataJos;
    QLabel* m_sageataSus;
    QLabel* m_numarDiplome;
    QCheckBox* m_oglinda;
    QLineEdit* m_margineStanga;
    QLineEdit* m_margineSus;
    QPushButton* m_masurare;
    int m_pagina = 0;
    int m_imagineNebifat = 0;
    int m_imagineBifat = 0;
    double m_stanga = 0;
    double m_sus = 0;
};

// Asks the user to insert the sheet of a page (0 front, 1 back), showing its margins and
// taking them back on OK. Whatever the answer, the page's mirror choice in the current
// settings object follows the check box, and both mirror outputs get its state.
// `diplome` above 0 adds how many cards to put in. Returns QDialog::Accepted or
// QDialog::Rejected.
int AskForPaper(int pagina, double& stanga, double& sus, bool& oglindaFata, bool& oglindaVerso, int diplome = 0);

// "1 diploma", "17 diplome", "60 de diplome".
QString NumarDeDiplome(int diplome);
