#pragma once

#include "db/depozit.h"
#include "db/registrucertificate.h"
#include "print/lucraretiparire.h"

#include "certificat/umplerepagini.h"

#include <QImage>
#include <QList>
#include <array>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class TDefinitieFormular;
class TProgresSerie;

// Fails with "Elevul N nu exista." when no pupil has this identifier.
void CereElevul(int idElev);

// Prints certificates one after another: for each pupil the one model of the form is filled
// as the "Pravent" button fills the preview, then each chosen side becomes a page of the
// document. No widget is made, and the card's scan is read only for a proof. Nothing of a
// pupil stays once its pages are out, so a class costs what one pupil costs.
class TTiparitorCertificate {
public:
    explicit TTiparitorCertificate(QList<TPaginaDeTiparit> pagini);
    ~TTiparitorCertificate();
    TTiparitorCertificate(const TTiparitorCertificate&) = delete;
    TTiparitorCertificate& operator=(const TTiparitorCertificate&) = delete;

    // Fills the form for a pupil; an unknown pupil or a filling error is raised, before
    // anything of the pupil is printed.
    void Umple(int idElev);
    // Writes the card's registration number and date into the filled form.
    void Inregistrare(const TIntrareRegistru& intrare);
    // Prints the chosen sides of the filled form into a begun document, a page each.
    void Tipareste(QPrinter& imprimanta, QPainter& pictor);

private:
    // The scan of a side (0 the front, 1 the back), read on first use; none when unreadable.
    const QImage* Fundal(int pagina);

    QList<TPaginaDeTiparit> m_alese;
    std::unique_ptr<TDefinitieFormular> m_formular;
    QList<TAriiPagina> m_arii;
    std::array<QImage, 2> m_fundaluri;
    int m_tiparite = 0;
};

struct TRezultatSerie {
    // Certificates that went out.
    int Tiparite = 0;
    // Every one of them did.
    bool Incheiata = false;
};

// Runs for each pupil once the card is filled and just before it prints: what it writes into
// the form prints with it; a failure stops the job before the card.
using TInainteDeTiparire = std::function<void(const TLinieAfisata& elev, TTiparitorCertificate& tiparitor)>;

// One side of the certificate for each pupil, in the order given, as one print job: the
// calibration check, the insert-paper prompt once (with the number of cards), then a page
// per pupil. A pupil that fails ends the document with the pages before
// it; failures are shown to the user, naming the pupil. The print settings are written back
// once, however the job ends.
TRezultatSerie TiparesteSeria(const TLiniiAfisate& elevi, TPaginaCertificat parte, TProgresSerie& progres,
                              const TInainteDeTiparire& inainte = {});
