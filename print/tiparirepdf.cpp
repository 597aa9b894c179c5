#include "print/tiparirepdf.h"

#include "base/eroare.h"
#include "db/depozit.h"
#include "print/allstuffreg.h"
#include "print/documenttiparit.h"
#include "print/tiparireserie.h"

#include <QFile>

namespace {

void RefuzaEleviiNecunoscuti(const QList<int>& elevi)
{
    for (const int idElev : elevi)
        if (!ExistaElevul(idElev))
            throw EEroare(QStringLiteral("Elevul %1 nu exista.").arg(idElev));
}

QList<TPaginaDeTiparit> PaginiDeTiparit(const QList<TPaginaCertificat>& parti)
{
    TAllStuffReg setari;
    QList<TPaginaDeTiparit> alese;
    for (const TPaginaCertificat parte : parti)
        alese.append({parte, setari.MargineStanga(parte), setari.MargineSus(parte), PaginaOglindita(parte, setari)});
    return alese;
}

void TiparesteElevii(TDocumentTiparit& document, const QList<TPaginaCertificat>& parti, const QList<int>& elevi)
{
    TTiparitorCertificate tiparitor(PaginiDeTiparit(parti));
    for (const int idElev : elevi) {
        try {
            tiparitor.Umple(idElev);
        } catch (const EEroare& e) {
            if (elevi.size() == 1)
                throw;
            throw EEroare(QStringLiteral("Elevul %1: %2").arg(idElev).arg(e.Mesaj()));
        }
        tiparitor.Tipareste(document.Imprimanta(), document.Pictor());
    }
}

} // namespace

void TiparesteCertificateInPdf(const QString& fisier, const QList<int>& elevi, TPaginiCertificat pagini)
{
    RefuzaEleviiNecunoscuti(elevi);
    const QList<TPaginaCertificat> parti = PaginileAlese(pagini);
    try {
        const std::unique_ptr<TDocumentTiparit> document = TDocumentTiparit::InPdf(fisier, TitluDocument(parti), false);
        TiparesteElevii(*document, parti, elevi);
    } catch (...) {
        // A half-printed class is no use to anyone.
        QFile::remove(fisier);
        throw;
    }
}
