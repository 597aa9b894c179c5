#pragma once

#include "registre/formatnumar.h"
#include "registre/registru.h"

#include <QHash>
#include <vector>

// An Excel 97-2003 workbook (BIFF8 in an OLE2 compound file, read through libgsf). The
// records are ours: globals (sheets, formats, styles, shared strings, date system) at open,
// a sheet's cells when it is first asked for.
class TRegistruXls : public TRegistru {
public:
    TRegistruXls(const QByteArray& octeti, const QString& numeFisier);
    QStringList Foi() const override;

protected:
    TFoaie CitesteFoaie(int indice) override;

private:
    struct TFoaieXls {
        QString Nume;
        qint64 Pozitie;
    };

    void CitesteGlobale();
    void CitesteFoaia(qint64 pozitie, TFoaie& foaie);
    QString TextNumar(double valoare, int stil);

    QString m_numeFisier;
    QByteArray m_flux;   // the Workbook stream
    std::vector<TFoaieXls> m_foi;
    QStringList m_siruri;
    QHash<int, QString> m_formate;   // FORMAT records by id
    std::vector<int> m_formatStil;   // format id of each XF
    QHash<int, TFormatNumar> m_compilate;
    bool m_sistem1904 = false;
};

// The stream of a BIFF8 workbook inside a compound file; used for the signature test too.
// Fails with the Romanian messages for an encrypted package, an Excel 95 workbook or a
// damaged container.
QByteArray FluxRegistruXls(const QByteArray& octeti, const QString& numeFisier);
