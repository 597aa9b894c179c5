#pragma once

#include <QLineEdit>

// A decimal edit that keeps the text as typed with a decimal comma (a typed '.' becomes ','),
// at most two fraction digits and 17 characters besides the separator; its value is fixed
// point with four decimals, in units of 1/10000. The whole text is selected on entry.
class TBrvNumEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TBrvNumEdit(QWidget* parent = nullptr);

    qint64 Valoare() const;
    // Integer part, a comma and exactly two fraction digits: 95000 is written as "9,50".
    void SeteazaValoare(qint64 valoare);

protected:
    void focusInEvent(QFocusEvent* event) override;
};
