#pragma once

#include "registre/registru.h"

#include <vector>

// An OpenDocument spreadsheet (.ods): content.xml holds every sheet; each cell's paragraphs
// are the text the spreadsheet shows.
class TRegistruOds : public TRegistru {
public:
    TRegistruOds(const QByteArray& octeti, const QString& numeFisier);
    QStringList Foi() const override;

protected:
    TFoaie CitesteFoaie(int indice) override;

private:
    std::vector<TFoaie> m_foi;
};
