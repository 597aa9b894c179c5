#include "print/tiparirepdf.h"

#include "base/eroare.h"
#include "db/depozit.h"
#include "print/allstuffreg.h"
#include "print/setupprinter.h"
#include "print/tiparireserie.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>

namespace {

void RefuzaEleviiNecunoscuti(const QList<int>& elevi)
{
    for (const int idElev : elevi)
        if (!ExistaElevul(idElev))
            throw EEroare(QStringLiteral("Elevul %1 nu exista.").arg(idElev));
}

QList<TPaginaDeTiparit> PaginileAlese(TPaginiCertificat pagini)
{
    const TAllStuffReg setari;
    QList<TPaginaDeTiparit> alese;
    if (pagini != TPaginiCertificat::Spate)
        alese.append({0, setari.MargineStangaFata, setari.MargineSusFata, setari.OglindescFata == QLatin1String("D")});
    if (pagini != TPaginiCertificat::Fata)
        alese.append(
            {1, setari.MargineStangaVerso, setari.MargineSusVerso, setari.OglindescVerso == QLatin1String("D")});
    return alese;
}

QString TitluDocument(TPaginiCertificat pagini)
{
    switch (pagini) {
    case TPaginiCertificat::Fata: return QStringLiteral("Diploma de examen national - fata");
    case TPaginiCertificat::Spate: return QStringLiteral("Diploma de examen national - verso");
    default: return QStringLiteral("Diploma de examen national");
    }
}

void TiparesteElevii(QPrinter& imprimanta, QPainter& pictor, TPaginiCertificat pagini, const QList<int>& elevi)
{
    TTiparitorCertificate tiparitor(PaginileAlese(pagini));
    for (const int idElev : elevi) {
        try {
            tiparitor.Umple(idElev);
        } catch (const EEroare& e) {
            if (elevi.size() == 1)
                throw;
            throw EEroare(QStringLiteral("Elevul %1: %2").arg(idElev).arg(e.Mesaj()));
        }
        tiparitor.Tipareste(imprimanta, pictor);
    }
}

} // namespace

void TiparesteCertificatInPdf(const QString& fisier, int idElev, TPaginiCertificat pagini)
{
    TiparesteCertificateInPdf(fisier, {idElev}, pagini);
}

void TiparesteCertificateInPdf(const QString& fisier, const QList<int>& elevi, TPaginiCertificat pagini)
{
    RefuzaEleviiNecunoscuti(elevi);
    QPrinter imprimanta(QPrinter::HighResolution);
    imprimanta.setOutputFormat(QPrinter::PdfFormat);
    imprimanta.setOutputFileName(fisier);
    SetupPrinter(imprimanta, false);
    imprimanta.setDocName(TitluDocument(pagini));
    QPainter pictor;
    if (!pictor.begin(&imprimanta))
        throw EEroare(QStringLiteral("Fisierul \"%1\" nu poate fi scris.").arg(fisier));
    try {
        TiparesteElevii(imprimanta, pictor, pagini, elevi);
    } catch (...) {
        // A half-printed class is no use to anyone.
        pictor.end();
        QFile::remove(fisier);
        throw;
    }
    pictor.end();
}
