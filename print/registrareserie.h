#pragma once

#include "db/depozit.h"
#include "print/tiparireinregistrata.h"

#include <QDialog>
#include <QGroupBox>
#include <optional>
#include <vector>

class QDateEdit;
class QLineEdit;
class QListWidget;

// The register's part of a class print, asked once: the card series, the number of the first
// card in the stack (the next unused one of the last series) and the registration date
// (today). Unchecked, the cards are printed without being recorded.
class TNumerotareSerie : public QGroupBox {
    Q_OBJECT
public:
    // `carton` names the card number's field: the first of the stack, or the one card.
    explicit TNumerotareSerie(const QString& carton = QStringLiteral("Primul carton din teanc:"),
                              QWidget* parent = nullptr);

    QLineEdit* Seria() const { return m_seria; }
    QLineEdit* PrimulNumar() const { return m_primulNumar; }
    QDateEdit* Data() const { return m_data; }
    // What was typed; none, with the reason shown, when it is not sound.
    std::optional<TNumerotareCartoane> Citeste() const;
    // What was typed, checked against the register for these pupils as PregatesteNumerotarea
    // does; none when the print must not go on.
    std::optional<TNumerotareCartoane> Pregateste(const TLiniiAfisate& elevi) const;
    void UrmatorulNumar(int numar);

private:
    QLineEdit* m_seria;
    QLineEdit* m_primulNumar;
    QDateEdit* m_data;
};

// Before anything prints: refuses card numbers already used in the series, and asks about
// pupils who already hold a valid certificate (a spoiled card is voided and replaced, a lost
// or damaged one gets a duplicate). False when the print must not go on.
bool PregatesteNumerotarea(const TLiniiAfisate& elevi, TNumerotareCartoane& numerotare);

// Records each card in the register as it goes to the printer; consecutive cards in print
// order.
class TInregistrareLaTiparire {
public:
    explicit TInregistrareLaTiparire(TNumerotareCartoane numerotare) : m_numerotare(std::move(numerotare)) {}
    // The pupil's entry, whose numbers the card must carry.
    const TIntrareRegistru& Inregistreaza(int idElev);
    const std::vector<TIntrareRegistru>& Tiparite() const { return m_tiparite; }
    int UrmatorulNumar() const { return m_numerotare.PrimulNumar + static_cast<int>(m_tiparite.size()); }

private:
    TNumerotareCartoane m_numerotare;
    std::vector<TIntrareRegistru> m_tiparite;
};

// After a print, the cards just printed, each ticked: the secretary unticks those that did not
// come out right.
class TCartoaneTiparite : public QDialog {
    Q_OBJECT
public:
    explicit TCartoaneTiparite(std::vector<TIntrareRegistru> cartoane, QWidget* parent = nullptr);
    QListWidget* Lista() const { return m_lista; }
    // The unticked cards.
    std::vector<TIntrareRegistru> Stricate() const;

private:
    std::vector<TIntrareRegistru> m_cartoane;
    QListWidget* m_lista;
};

// After a job, the cards it printed are listed: those the secretary unticks are voided ("tiparit
// gresit") and their pupils wait for new ones. The cards that came out right.
std::vector<TIntrareRegistru> CartoaneleIesiteBine(const std::vector<TIntrareRegistru>& tiparite, QWidget* parinte);
