#include "print/tiparirepdf.h"

#include "base/eroare.h"
#include "print/allstuffreg.h"
#include "print/documenttiparit.h"
#include "print/tiparireserie.h"

namespace {

QList<TPaginaDeTiparit> PaginiDeTiparit(const QList<TPaginaCertificat>& parti, bool proba)
{
    TAllStuffReg setari;
    QList<TPaginaDeTiparit> alese;
    for (const TPaginaCertificat parte : parti) {
        const TCorectiePagina corectie = setari.Corectie(parte);
        alese.append({parte, corectie.StangaMm(), corectie.SusMm(), PaginaOglindita(parte, setari), proba,
                      corectie.ScaraX(), corectie.ScaraY()});
    }
    return alese;
}

void TiparesteElevii(TDocumentTiparit& document, const QList<TPaginaDeTiparit>& pagini, const QList<int>& elevi,
                     const std::vector<TIntrareRegistru>& inregistrari)
{
    TTiparitorCertificate tiparitor(pagini);
    for (int i = 0; i < elevi.size(); ++i) {
        const int idElev = elevi.at(i);
        try {
            tiparitor.Umple(idElev);
        } catch (const EEroare& e) {
            if (elevi.size() == 1)
                throw;
            throw EEroare(QStringLiteral("Elevul %1: %2").arg(idElev).arg(e.Mesaj()));
        }
        if (!inregistrari.empty())
            tiparitor.Inregistrare(inregistrari.at(i));
        tiparitor.Tipareste(document.Imprimanta(), document.Pictor());
    }
}

} // namespace

void TiparesteCertificateInPdf(const QString& fisier, const QList<int>& elevi, TPaginiCertificat pagini, bool proba,
                               const std::vector<TIntrareRegistru>& inregistrari)
{
    // Every pupil is asked for before anything is written.
    for (const int idElev : elevi)
        CereElevul(idElev);
    const QList<TPaginaCertificat> parti = PaginileAlese(pagini);
    // A failure drops the document's temporary file and leaves the target as it was: a
    // half-printed class is no use to anyone.
    const std::unique_ptr<TDocumentTiparit> document = TDocumentTiparit::InPdf(fisier, TitluDocument(parti), false);
    TiparesteElevii(*document, PaginiDeTiparit(parti, proba), elevi, inregistrari);
    document->Incheie();
}
