#pragma once

#include "db/depozit.h"
#include "print/tiparireinregistrata.h"

#include <QDialog>
#include <optional>

class QPushButton;
class TFormularDePrintat;
class TNumerotareSerie;

// Asked before the front of one pupil's certificate prints: the card's series and number and
// the registration date, as the class print asks them, or printing without the register.
class TNumerotareDiploma : public QDialog {
    Q_OBJECT
public:
    explicit TNumerotareDiploma(TLinieAfisata elev, QWidget* parent = nullptr);

    TNumerotareSerie* Numerotare() const { return m_numerotare; }
    QPushButton* ButonTipareste() const { return m_tipareste; }
    // Once accepted: the card, checked against the register; none when it prints without
    // being recorded.
    const std::optional<TNumerotareCartoane>& Cartonul() const { return m_cartonul; }

    // Stays open, with what was typed, while the card is refused.
    void accept() override;

private:
    TLinieAfisata m_elev;
    TNumerotareSerie* m_numerotare;
    QPushButton* m_tipareste;
    std::optional<TNumerotareCartoane> m_cartonul;
};

// The front of one pupil's certificate from the preview: the card is recorded as it goes to
// the printer, with its registration number and date written on the page (the preview then
// shows them), and voided when the job fails after that; afterwards the card is listed so that
// a spoiled one is voided. Printed without the register, the page's registration lines stay
// blank.
void TiparesteFataInRegistru(TFormularDePrintat& fata, int idElev, QWidget* parinte);
