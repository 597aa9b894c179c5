#pragma once

#include "base/multimi.h"
#include "certificat/corectieimprimanta.h"

#include <QString>

// The print settings: calibration answers, margin corrections and mirror choices per page.
// Creating one reads the settings store; releasing it writes every value back. The first
// one created while none is current becomes the current settings object (the one the
// insert-paper prompt reads and changes) until it is released.
class TAllStuffReg {
public:
    static const QString Grup;

    // Reads the store; a malformed "all" fails, after writing back what was read so far
    // and the defaults for the rest, so that the next reading succeeds.
    TAllStuffReg();
    ~TAllStuffReg();
    TAllStuffReg(const TAllStuffReg&) = delete;
    TAllStuffReg& operator=(const TAllStuffReg&) = delete;

    // The current settings object; nullptr when none is held.
    static TAllStuffReg* Curent();

    bool ImprimantaConfigurata = false;
    bool PartiOpuse = false;
    bool LinieVerticalaDreapta = false;
    bool LinieOrizontalaJos = false;
    // 1 fed from the top, 2 from the front, 3 internal tray shown upside down, 4 internal
    // tray shown in the normal position; 0 until calibrated.
    int ModAlimentare = 0;
    double MargineStangaFata = 0;
    double MargineSusFata = 0;
    double MargineStangaVerso = 0;
    double MargineSusVerso = 0;
    QString NumeImprimanta;
    int IndexImprimanta = 0;
    // As stored: see TOglinda.
    QString OglindescFata = QStringLiteral("*");
    QString OglindescVerso = QStringLiteral("*");
    // The printer's scale per side and axis, measured with the calibration sheet; 1 when
    // never measured. Kept as values of their own beside "all", and only when measured.
    double ScaraOrizontalaFata = 1;
    double ScaraVerticalaFata = 1;
    double ScaraOrizontalaVerso = 1;
    double ScaraVerticalaVerso = 1;

    // The margin corrections and the mirror choice of one side.
    double& MargineStanga(TPaginaCertificat pagina);
    double& MargineSus(TPaginaCertificat pagina);
    TOglinda Oglinda(TPaginaCertificat pagina) const;
    void SeteazaOglinda(TPaginaCertificat pagina, TOglinda oglinda);
    // What a side prints with: its margins and its measured scales.
    TCorectiePagina Corectie(TPaginaCertificat pagina) const;
    // Takes a measurement of a side: its margins become the corrections of the printer's
    // offsets (the user may still adjust them), its scales the printer's.
    void SeteazaMasuratoarea(TPaginaCertificat pagina, const TMasuratoareImprimanta& masuratoare);

private:
    void Citeste();
    double& Scara(TPaginaCertificat pagina, bool orizontala);
    void CitesteTot(const QString& tot);
    QString Tot() const;
    void Scrie() const;
    void RenuntaLaRol();
};

// Whether a side prints turned by 180 degrees: the choice made for it, else the one that
// suits the way the printer takes the sheet (the prompt's initial state).
bool PaginaOglindita(TPaginaCertificat pagina, const TAllStuffReg& setari);
bool PaginaOglindita(TPaginaCertificat pagina, TOglinda aleasa, TModAlimentare modAlimentare);

// The mirror choice stored for a side, read without a settings object: nothing is written
// back, for a dialog that may yet be cancelled.
TOglinda OglindaStocata(TPaginaCertificat pagina);
