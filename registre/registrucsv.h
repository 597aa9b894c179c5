#pragma once

#include "registre/registru.h"

// A text file of values (.csv, .txt): one sheet named after the file. The delimiter (";", ","
// or tab) is found from the file; UTF-8 (with or without its mark) or UTF-16 with its mark,
// otherwise Windows-1250, the code page a Romanian spreadsheet saves "CSV" in.
class TRegistruCsv : public TRegistru {
public:
    TRegistruCsv(const QByteArray& octeti, const QString& numeFisier);
    QStringList Foi() const override;

protected:
    TFoaie CitesteFoaie(int indice) override;

private:
    QString m_text;
    QString m_numeFoaie;
};

// The text of the file's bytes, by the rule above.
QString DecodeazaTextCsv(const QByteArray& octeti);
// The delimiter of the file: the one of ";", tab and "," that splits its first lines alike.
QChar DelimitatorCsv(const QString& text);
