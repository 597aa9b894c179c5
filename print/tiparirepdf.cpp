#include "print/tiparirepdf.h"

#include "base/eroare.h"
#include "db/tdm.h"
#include "forms/formulardeprintat.h"
#include "forms/imprimantaqt.h"
#include "forms/umplereformular.h"
#include "print/allstuffreg.h"
#include "print/iesirepdf.h"
#include "print/printpraventform.h"
#include "print/scrienotainformular.h"
#include "print/setupprinter.h"

#include <QPainter>
#include <QPrinter>

namespace {

struct TPaginaDeTiparit {
    TFormularDePrintat* Pagina;
    double Stanga;
    double Sus;
    bool Oglinda;
};

void VerificaElevul(int idElev)
{
    TDM& dm = DM();
    TGardaTranzactie tr(dm.Tr());
    TInterogare& q = dm.Q1();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT ID_ELEVI FROM ELEVI WHERE ID_ELEVI=:ID_ELEVI"));
    q.ParamByName(QStringLiteral("ID_ELEVI"), idElev);
    q.Open();
    if (q.Eof())
        throw EEroare(QStringLiteral("Elevul %1 nu exista.").arg(idElev));
}

QList<TPaginaDeTiparit> PaginileAlese(const TPrintPraventForm& formular, TPaginiCertificat pagini)
{
    const TAllStuffReg setari;
    QList<TPaginaDeTiparit> alese;
    if (pagini != TPaginiCertificat::Spate)
        alese.append({formular.Fata(), setari.MargineStangaFata, setari.MargineSusFata,
                      setari.OglindescFata == QLatin1String("D")});
    if (pagini != TPaginiCertificat::Fata)
        alese.append({formular.Spate(), setari.MargineStangaVerso, setari.MargineSusVerso,
                      setari.OglindescVerso == QLatin1String("D")});
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

void Tipareste(const QString& fisier, const QList<TPaginaDeTiparit>& pagini, const QString& titlu)
{
    TIesirePdf iesire(fisier);
    QPrinter imprimanta(QPrinter::HighResolution);
    imprimanta.setOutputFormat(QPrinter::PdfFormat);
    imprimanta.setOutputFileName(iesire.CaleTemporara());
    SetupPrinter(imprimanta, false);
    imprimanta.setDocName(titlu);
    QPainter pictor;
    if (!pictor.begin(&imprimanta))
        throw EEroare(QStringLiteral("Fisierul \"%1\" nu poate fi scris.").arg(fisier));
    try {
        TImprimantaQt pagina(imprimanta, pictor);
        for (int i = 0; i < pagini.size(); ++i) {
            if (i > 0)
                imprimanta.newPage();
            const TPaginaDeTiparit& p = pagini.at(i);
            p.Pagina->PrintAllAreas(pagina, p.Oglinda, p.Stanga, p.Sus);
        }
    } catch (...) {
        // A half-printed certificate is no use to anyone; the temporary file goes with iesire.
        pictor.end();
        throw;
    }
    pictor.end();
    iesire.Incheie();
}

} // namespace

void TiparesteCertificatInPdf(const QString& fisier, int idElev, TPaginiCertificat pagini)
{
    VerificaElevul(idElev);
    TPrintPraventForm formular;
    UmpleFormular(formular, idElev, ScrieNotaInFormular);
    Tipareste(fisier, PaginileAlese(formular, pagini), TitluDocument(pagini));
}
