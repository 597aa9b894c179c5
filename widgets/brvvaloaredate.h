#pragma once

#include <QDate>
#include <QString>
#include <variant>

// The data type of a grid column; the first seven equal the value tags of TBrvValoareDate.
enum TBrvTipDeDateColoana {
    atCurrency = 0,
    atInteger = 1,
    atIntegerDouaZecimale = 2,
    atString = 3,
    atDataScurtFaraAn = 4,
    atDataScurtCuAn = 5,
    atDataLung = 6,
    atAuto = 7,
    atAsk = 8,
};

// A typed value handed between the grid and its owner: one tag and the value it names.
class TBrvValoareDate {
public:
    enum Tip {
        TipSuma = 0,            // fixed point, ten-thousandths
        TipIntreg = 1,
        TipSutimi = 2,          // an integer counting hundredths
        TipText = 3,
        TipDataFaraAn = 4,
        TipDataCuAn = 5,
        TipDataLunga = 6,
        TipNedefinit = 7,       // a new container
        TipFaraDate = 8,
    };

    Tip TipValoare() const { return m_tip; }
    // A tag from 0 to 6: a value the grid can show and edit.
    bool AreTipReal() const { return m_tip <= TipDataLunga; }

    void SetSuma(qint64 zecimiiDeMii);
    void SetIntreg(int valoare);
    void SetSutimi(int sutimi);
    void SetText(const QString& text);
    void SetDataFaraAn(const QDate& data);
    void SetDataCuAn(const QDate& data);
    void SetDataLunga(const QDate& data);
    // The owner has nothing for this cell.
    void MarcheazaFaraDate();

    // Each fails with "Tip incorect" when the container holds another tag.
    qint64 Suma() const;
    int Intreg() const;
    int Sutimi() const;
    QString Text() const;
    QDate DataFaraAn() const;
    QDate DataCuAn() const;
    QDate DataLunga() const;

private:
    void VerificaTip(Tip asteptat) const;

    Tip m_tip = TipNedefinit;
    std::variant<std::monostate, qint64, int, QString, QDate> m_valoare;
};
