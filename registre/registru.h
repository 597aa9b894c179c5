#pragma once

#include "registre/foaie.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>

// An open workbook: its worksheets in order, by name, and the displayed text of their cells.
// Closing the workbook is destroying the reader. Every failure is an EEroare with a Romanian
// message.
class TRegistru {
public:
    virtual ~TRegistru() = default;
    TRegistru(const TRegistru&) = delete;
    TRegistru& operator=(const TRegistru&) = delete;

    virtual QStringList Foi() const = 0;
    // The sheet of that name, read on first use; an unknown name is an error.
    const TFoaie& Foaie(const QString& nume);
    // A cell's displayed text by its A1 address.
    QString Text(const QString& foaie, const QString& adresa) { return Foaie(foaie).Text(adresa); }

protected:
    TRegistru() = default;
    virtual TFoaie CitesteFoaie(int indice) = 0;

private:
    std::map<int, TFoaie> m_citite;
};

// Opens the workbook at that path, choosing the reader by the file's content (its
// signature); the extension only names the one-sheet text files.
std::unique_ptr<TRegistru> DeschideRegistru(const QString& cale);
// The same over bytes already read; numeFisier names the file in messages and the CSV sheet.
std::unique_ptr<TRegistru> DeschideRegistruDinOcteti(const QByteArray& octeti, const QString& numeFisier);
