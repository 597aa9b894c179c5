#include "print/tiparireinregistrata.h"

#include "base/eroare.h"
#include "db/tdm.h"
#include "db/valoarecamp.h"
#include "print/tiparirepdf.h"
#include "print/tiparireserie.h"

namespace {

const QString MotivTiparireEsuata = QStringLiteral("tiparirea a esuat");

} // namespace

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
    TRegistruCertificate registru(DM().Tr());
    const std::vector<TIntrareRegistru> intrari = registru.Inregistreaza(
        {numerotare.Seria, numerotare.PrimulNumar, numerotare.Data, EleviDeInregistrat(elevi), numerotare.Reluare});
    try {
        TiparesteCertificateInPdf(fisier, elevi, pagini, proba, intrari);
    } catch (const EEroare&) {
        for (const TIntrareRegistru& intrare : intrari)
            registru.Anuleaza(intrare.Seria, intrare.Numar, MotivTiparireEsuata);
        throw;
    }
    return intrari;
}
