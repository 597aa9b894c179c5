#pragma once

#include "db/depozit.h"
#include "print/lucraretiparire.h"

#include <QList>
#include <memory>

class QPainter;
class QPrinter;
class TPrintPraventForm;
class TProgresSerie;

// Fails with "Elevul N nu exista." when no pupil has this identifier.
void CereElevul(int idElev);

// Prints certificates one after another: for each pupil the one form is filled as the
// "Pravent" button fills it, then each chosen side becomes a page of the document. Nothing
// of a pupil stays once its pages are out, so a class costs what one pupil costs.
class TTiparitorCertificate {
public:
    explicit TTiparitorCertificate(QList<TPaginaDeTiparit> pagini);
    ~TTiparitorCertificate();
    TTiparitorCertificate(const TTiparitorCertificate&) = delete;
    TTiparitorCertificate& operator=(const TTiparitorCertificate&) = delete;

    // Fills the form for a pupil; an unknown pupil or a filling error is raised, before
    // anything of the pupil is printed.
    void Umple(int idElev);
    // Prints the chosen sides of the filled form into a begun document, a page each.
    void Tipareste(QPrinter& imprimanta, QPainter& pictor);

private:
    QList<TPaginaDeTiparit> m_alese;
    std::unique_ptr<TPrintPraventForm> m_formular;
    int m_tiparite = 0;
};

struct TRezultatSerie {
    // Certificates that went out.
    int Tiparite = 0;
    // Every one of them did.
    bool Incheiata = false;
};

// One side of the certificate for each pupil, in the order given, as one print job: the
// calibration check, the insert-paper prompt once (with the number of cards), then a page
// per pupil. A pupil that fails ends the document with the pages before
// it; failures are shown to the user, naming the pupil. The print settings are written back
// once, however the job ends.
TRezultatSerie TiparesteSeria(const TLiniiAfisate& elevi, TPaginaCertificat parte, TProgresSerie& progres);
