#pragma once

#include <QValidator>

// Keeps a single-line editor's text what the database can store: a pasted line break or
// tab becomes a blank, and input stops at `lungime` characters (blanks at either end do
// not count, since they are never stored), never inside a character.
class TValidatorRand : public QValidator {
public:
    TValidatorRand(int lungime, QObject* parent) : QValidator(parent), m_lungime(lungime) {}

    State validate(QString& text, int& pozitie) const override;

private:
    int m_lungime;
};
