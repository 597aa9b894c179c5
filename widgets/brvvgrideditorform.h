#pragma once

#include "widgets/brvvaloaredate.h"

#include <QFrame>
#include <optional>

class QLineEdit;
class QDateEdit;

// The standard editor of a cell: one control for the value's type (a numeric edit for
// amounts, integers and hundredths, a text edit, a date picker) and two small buttons.
// Enter or the first button confirms, Escape or the second cancels.
class TBrvVGridEditorForm : public QFrame {
    Q_OBJECT
public:
    // The value prefills the control; a typed key replaces it. A value of no known type
    // fails with "Nu cunosc tipul".
    TBrvVGridEditorForm(const TBrvValoareDate& valoare, const QString& tasta, QWidget* parent);

    // The value entered, by the type it was opened with: amounts as ten-thousandths,
    // integers as they are, a number with two decimals as its hundredths with the integer
    // tag; nothing while the text is not a number.
    std::optional<TBrvValoareDate> Valoare() const;
    bool Confirmat() const { return m_confirmat; }
    QWidget* Control() const;
    // Once shown and focused: a typed key leaves the caret after it, not selected.
    void LaDeschidere();

    // Parses "-1234,5" with at most the given decimals into units of 10^-decimals.
    static std::optional<qint64> CitesteNumar(const QString& text, int zecimale);
    // The numeric edit's text of a value.
    static QString TextNumeric(const TBrvValoareDate& valoare);

signals:
    void Confirma();
    void Renunta();

public slots:
    void IncearcaConfirmarea();

protected:
    bool eventFilter(QObject* obiect, QEvent* event) override;

private:
    void CreeazaControl(const QString& tasta);
    int Zecimale() const;

    TBrvValoareDate::Tip m_tip;
    TBrvValoareDate m_initiala;
    QLineEdit* m_text = nullptr;
    QDateEdit* m_data = nullptr;
    bool m_confirmat = false;
    bool m_tastat = false;
};
