#pragma once

#include "registre/arhivazip.h"
#include "registre/formatnumar.h"
#include "registre/registru.h"

#include <vector>

// An Office Open XML workbook (.xlsx, .xlsm): the workbook part and its relationships, shared
// strings, the number formats of the cell styles, the 1904 date system.
class TRegistruXlsx : public TRegistru {
public:
    TRegistruXlsx(const QByteArray& octeti, const QString& numeFisier);
    QStringList Foi() const override;

protected:
    TFoaie CitesteFoaie(int indice) override;

private:
    struct TFoaieXlsx {
        QString Nume;
        QString Parte;
    };

    TXmlParte CitesteXml(const QString& parte) const;
    void CitesteRegistrul(const QString& parte);
    void CitesteSirurile(const QString& parte);
    void CitesteStilurile(const QString& parte);
    const TFormatNumar& FormatStil(int stil) const;

    QString m_numeFisier;
    TArhivaZip m_zip;
    std::vector<TFoaieXlsx> m_foi;
    QStringList m_siruri;
    std::vector<TFormatNumar> m_formate;   // one per cell style (cellXfs), in order
    TFormatNumar m_general;
    bool m_sistem1904 = false;
};
