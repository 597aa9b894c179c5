#pragma once

#include <QString>
#include <QStringList>
#include <memory>

// A spreadsheet number format ("0.00", "#,##0 \"lei\";[Red]-#,##0", "dd/mm/yyyy", "General"
// ...) compiled once, applied to many cells. The text is the one a Romanian spreadsheet shows:
// decimal comma, "." between thousands, "." as the date separator that "/" stands for.
class TFormatNumar {
public:
    explicit TFormatNumar(const QString& format = QStringLiteral("General"));

    // sistem1904: the workbook counts its dates from 1904 (the same calendar date is shown).
    QString Aplica(double valoare, bool sistem1904 = false) const;

    struct TElement;
    struct TSectiune;
    struct TSectiuni;

private:
    const TSectiune* SectiuneaPentru(double valoare, bool& faraSemn) const;

    // Shared: a compiled format is copied for every cell style that uses it.
    std::shared_ptr<const TSectiuni> m_sectiuni;
};

// The text of General: at most 11 characters (12 with the sign), rounded, in scientific form
// when the number does not fit otherwise.
QString FormatGeneral(double valoare);

// The format string of a built-in format id (0 to 49); an unknown id gives "General".
QString FormatIncorporat(int id);

// Rounds a non-negative value, taken to 15 significant digits, half away from zero to the
// given number of decimals; returns the integer digits (no leading zeros, "" for zero) and
// exactly `zecimale` fraction digits.
void CifreRotunjite(double valoare, int zecimale, QString& intregi, QString& fractie);
