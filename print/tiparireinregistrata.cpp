#include "print/tiparireinregistrata.h"

#include "base/eroare.h"
#include "certificat/ariiregistru.h"
#include "db/tdm.h"
#include "db/valoarecamp.h"
#include "print/tiparirepdf.h"
#include "print/tiparireserie.h"

const QString MotivTiparireEsuata = QStringLiteral("tiparirea a esuat");

void ScrieIntrarea(const QList<TAriiPagina>& pagini, const TIntrareRegistru& intrare)
{
    ScrieInregistrarea(pagini, QString::number(intrare.NrInregistrare),
                       intrare.DataInregistrare.toString(QStringLiteral("dd.MM.yyyy")));
}

void AnuleazaCartoanele(const std::vector<TIntrareRegistru>& intrari, const QString& motiv)
{
    TRegistruCertificate registru(DM().Tr());
    for (const TIntrareRegistru& intrare : intrari)
        registru.Anuleaza(intrare.Seria, intrare.Numar, motiv);
}

QList<TElevDeInregistrat> EleviDeInregistrat(const QList<int>& elevi)
{
    TGardaTranzactie tr(DM().Tr(), TTipTranzactie::Citire);
    const QStringList nume = ParseExpInregistrari(QStringLiteral("{PV.FATA.C_NUME} {PV.FATA.C_PRENUME}"), elevi);
    const QStringList cnp = ParseExpInregistrari(QStringLiteral("{PV.FATA.C_CNP}"), elevi);
    QList<TElevDeInregistrat> rezultat;
    for (int i = 0; i < elevi.size(); ++i)
        rezultat.append({elevi.at(i), nume.at(i).simplified(), cnp.at(i).trimmed()});
    return rezultat;
}

std::vector<TIntrareRegistru> TiparesteSiInregistreazaInPdf(const QString& fisier, const QList<int>& elevi,
                                                            TPaginiCertificat pagini, bool proba,
                                                            const TNumerotareCartoane& numerotare)
{
    for (const int idElev : elevi)
        CereElevul(idElev);
    const std::vector<TIntrareRegistru> intrari = TRegistruCertificate(DM().Tr()).Inregistreaza(
        {numerotare.Seria, numerotare.PrimulNumar, numerotare.Data, EleviDeInregistrat(elevi), numerotare.Reluare});
    try {
        TiparesteCertificateInPdf(fisier, elevi, pagini, proba, intrari);
    } catch (const EEroare&) {
        AnuleazaCartoanele(intrari, MotivTiparireEsuata);
        throw;
    }
    return intrari;
}
