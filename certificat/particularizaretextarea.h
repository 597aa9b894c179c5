#pragma once

#include <QString>
#include <memory>
#include <vector>

class QObject;
class TFontFormular;

// The user's correction of one text area, keyed by the names of its form and of the area.
// Zero and empty values keep what the area has.
struct TParticularizareTextArea {
    QString NumeFormular;
    QString NumeArie;
    int Aliniere = 0;             // 0 keep, 1 left, 2 centre, 3 right
    int DeplasareOrizontala = 0;  // -1 left, +1 right, by half a millimetre
    int DeplasareVerticala = 0;   // -1 up, +1 down
    QString NumeFont;             // a named font of the form
    QString Text;
    int Italic = 0;               // 0 keep, 1 italic, 2 not italic
    int Bold = 0;                 // 0 keep, 1 bold, 2 not bold
    QString NumeFata;             // a system font face

    // The named font NumeFont resolves to, set at every lookup; not stored.
    TFontFormular* Font = nullptr;
};

// Every override record, in file order, kept in the overrides file.
class TListaParticularizareTextArea {
public:
    // Loads the file when it exists. A file that cannot be read is moved aside (see
    // EroareLaIncarcare) and the records read before the fault are kept.
    explicit TListaParticularizareTextArea(const QString& cale);

    // The record of an area of a form (the last one when several match), with its font
    // resolved among the form's named fonts; with creeaza, a missing record is appended and
    // the file saved at once.
    TParticularizareTextArea* FindOverride(const QString& formular, const QString& arie, const QObject& fonturi,
                                           bool creeaza);
    void Save() const;

    const QString& Cale() const { return m_cale; }
    int Numar() const { return static_cast<int>(m_inregistrari.size()); }
    const TParticularizareTextArea& Inregistrare(int i) const { return *m_inregistrari.at(i); }
    void Adauga(const TParticularizareTextArea& inregistrare);

    // The message of a failed load (empty when it went well) and where the file went.
    const QString& EroareLaIncarcare() const { return m_eroare; }
    const QString& CaleFisierNecitit() const { return m_caleNecitit; }

private:
    void Incarca();
    void PuneDeoparteFisierul();

    QString m_cale;
    std::vector<std::unique_ptr<TParticularizareTextArea>> m_inregistrari;
    QString m_eroare;
    QString m_caleNecitit;
};

// The process-wide list, over "licenta.lic" in the data folder, created on first use. A load
// failure is shown to the user once, when the list is created.
TListaParticularizareTextArea& ListaParticularizari();
// Forgets the process-wide list, so that the next use reads the file again (a new data
// folder in tests).
void UitaListaParticularizari();
