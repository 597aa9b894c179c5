#include "certificat/ariiregistru.h"

#include "certificat/arieformular.h"

const QString ReferintaNrInregistrare = QStringLiteral("REGISTRU.NR_INREGISTRARE");
const QString ReferintaDataInregistrare = QStringLiteral("REGISTRU.DATA_INREGISTRARE");

bool ArieDinRegistru(const TArieFormular& arie)
{
    return arie.Denumire1 == ReferintaNrInregistrare || arie.Denumire1 == ReferintaDataInregistrare;
}

void ScrieInregistrarea(const QList<TAriiPagina>& pagini, const QString& numar, const QString& data)
{
    for (const TAriiPagina& pagina : pagini)
        for (TArieFormular* arie : pagina)
            if (arie->Denumire1 == ReferintaNrInregistrare)
                arie->Text = numar;
            else if (arie->Denumire1 == ReferintaDataInregistrare)
                arie->Text = data;
}
