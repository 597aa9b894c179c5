#pragma once

#include "base/eroare.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class TTranzactie;

// The statements that add the register of issued certificates to a database: its entries,
// the changes of their state, the generators and the guards that keep both append-only.
QStringList InstructiuniSchemaRegistru();

enum class TFelCertificat { Original, Duplicat };
enum class TStareCertificat { Tiparit, Predat, Anulat };

QString TextFel(TFelCertificat fel);
QString TextStare(TStareCertificat stare);

// The card stock of a series is numbered on six digits: "048213".
QString NumarCartonAfisat(int numar);

// One certificate issued: the pupil as the card names them, the card, and its state now.
struct TIntrareRegistru {
    int Id = 0;
    int IdElev = 0;
    QString Nume;
    QString Cnp;
    int NrInregistrare = 0;
    QDate DataInregistrare;
    QString Seria;
    int Numar = 0;
    TFelCertificat Fel = TFelCertificat::Original;
    // The entry a duplicate replaces.
    std::optional<int> IdOriginal;
    TStareCertificat Stare = TStareCertificat::Tiparit;
    // Who took it, once handed over.
    QString Primitor;
};

// A change of an entry's state, as recorded.
struct TSchimbareStare {
    TStareCertificat Stare = TStareCertificat::Tiparit;
    QString Moment;
    QString Utilizator;
    QString Motiv;
    QString Primitor;
};

// A pupil to receive a card, as the card names them.
struct TElevDeInregistrat {
    int IdElev = 0;
    QString Nume;
    QString Cnp;
};

// What happens to a pupil who already holds a valid certificate.
enum class TReluare {
    // Nothing is written; the pupil and the card are named.
    Refuza,
    // The old card came out spoiled: it is voided, the new one replaces it.
    Retiparire,
    // The certificate was lost or damaged: the new card is a duplicate linked to it.
    Duplicat,
};

// The cards of one print, in the order they go through the printer.
struct TCerereInregistrare {
    QString Seria;
    int PrimulNumar = 0;
    QDate Data;
    QList<TElevDeInregistrat> Elevi;
    TReluare Reluare = TReluare::Refuza;
};

// A pupil of a print already holds a valid certificate and the print was not told what to do.
class ECertificatValabil : public EEroare {
public:
    using EEroare::EEroare;
};

// The reason recorded for a card unticked after a print.
extern const QString MotivTiparitGresit;

// Checks of what a user types for a card, with the message to show; empty when sound.
QString VerificaSeria(const QString& seria);
QString VerificaNumarCarton(const QString& text, int* numar = nullptr);
QString VerificaData(const QString& text, QDate* data = nullptr);

// The register of issued certificates in the program's database. Entries are never
// rewritten: a change of state is a new row beside the entry, so its history stays. Each
// call is a unit of work of its own on the program's transaction.
class TRegistruCertificate {
public:
    explicit TRegistruCertificate(TTranzactie& tr) : m_tr(tr) {}

    // Every entry with its present state, by registration number.
    std::vector<TIntrareRegistru> Intrari() const;
    std::optional<TIntrareRegistru> Intrare(const QString& seria, int numar) const;
    // The entry's changes of state, oldest first.
    std::vector<TSchimbareStare> Istoric(int idIntrare) const;
    // The pupil's certificate that is not voided, if any.
    std::optional<TIntrareRegistru> CertificatValabil(int idElev) const;

    // The series of the last card recorded, and the first number after the highest used in
    // a series (1 for a new one): what the next print offers.
    QString UltimaSerie() const;
    int UrmatorulNumarCarton(const QString& seria) const;
    // The registration number the next certificate receives.
    int UrmatorulNrInregistrare() const;
    // Continues a paper register: the next certificate receives `numar`; refused at or below
    // a number already given.
    void StabilesteUrmatorulNrInregistrare(int numar);

    // Records the cards in order, with consecutive card numbers and registration numbers no
    // other print receives; everything is checked before anything is written, and nothing
    // is written when a check fails.
    std::vector<TIntrareRegistru> Inregistreaza(const TCerereInregistrare& cerere);
    void Anuleaza(const QString& seria, int numar, const QString& motiv);
    void Preda(const QString& seria, int numar, const QString& primitor);

private:
    TTranzactie& m_tr;
};
