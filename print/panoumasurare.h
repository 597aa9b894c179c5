#pragma once

#include "base/multimi.h"
#include "certificat/corectieimprimanta.h"

#include <QDialog>
#include <QWidget>
#include <array>
#include <optional>

class QLineEdit;
class QPushButton;

// Measures one side of the printer: prints the calibration sheet as that side prints, takes
// the four distances read on it and prints the verification sheet with the correction they
// give. Used by the calibration wizard and by the insert-paper prompt.
class TPanouMasurare : public QWidget {
    Q_OBJECT
public:
    explicit TPanouMasurare(QWidget* parent = nullptr);

    // The side measured and whether it prints turned; empties the readings.
    void Pregateste(TPaginaCertificat pagina, bool oglinda);
    // The printer measured from the readings; nothing, the reason shown, when one is missing,
    // is not a number or the measurement is refused.
    std::optional<TMasuratoareImprimanta> Masuratoare() const;

    QLineEdit* Citire(int index) const { return m_citiri.at(index); }
    QPushButton* ButonFoaie() const { return m_foaie; }
    QPushButton* ButonVerificare() const { return m_verificare; }

private:
    void Tipareste(bool verificare) const;

    std::array<QLineEdit*, 4> m_citiri{};
    QPushButton* m_foaie;
    QPushButton* m_verificare;
    TPaginaCertificat m_pagina = TPaginaCertificat::Fata;
    bool m_oglinda = false;
};

// "Masurarea imprimantei": the panel of one side in a dialog of its own, opened from the
// insert-paper prompt. "Ok" closes only on a measurement that was accepted.
class TMasurareImprimanta : public QDialog {
    Q_OBJECT
public:
    TMasurareImprimanta(TPaginaCertificat pagina, bool oglinda, QWidget* parent = nullptr);

    TPanouMasurare* Panou() const { return m_panou; }
    const std::optional<TMasuratoareImprimanta>& Masuratoare() const { return m_masuratoare; }
    void Ok();

private:
    TPanouMasurare* m_panou;
    std::optional<TMasuratoareImprimanta> m_masuratoare;
};
