#include "print/tiparirepdf.h"

#include "base/eroare.h"
#include "db/depozit.h"
#include "forms/formulardeprintat.h"
#include "forms/imprimantaqt.h"
#include "forms/umplereformular.h"
#include "print/allstuffreg.h"
#include "print/documenttiparit.h"
#include "print/printpraventform.h"
#include "print/scrienotainformular.h"

#include <QFile>

namespace {

struct TPaginaDeTiparit {
    TFormularDePrintat* Pagina;
    double Stanga;
    double Sus;
    bool Oglinda;
};

void VerificaElevul(int idElev)
{
    if (!ExistaElevul(idElev))
        throw EEroare(QStringLiteral("Elevul %1 nu exista.").arg(idElev));
}

QList<TPaginaDeTiparit> PaginiDeTiparit(const TPrintPraventForm& formular, const QList<TPaginaCertificat>& parti)
{
    TAllStuffReg setari;
    QList<TPaginaDeTiparit> alese;
    for (const TPaginaCertificat parte : parti)
        alese.append({parte == TPaginaCertificat::Fata ? formular.Fata() : formular.Spate(), setari.MargineStanga(parte),
                      setari.MargineSus(parte), PaginaOglindita(parte, setari)});
    return alese;
}

void Tipareste(const QString& fisier, const QList<TPaginaDeTiparit>& pagini, const QString& titlu)
{
    try {
        const std::unique_ptr<TDocumentTiparit> document = TDocumentTiparit::InPdf(fisier, titlu, false);
        TImprimantaQt imprimanta(document->Imprimanta(), document->Pictor());
        for (int i = 0; i < pagini.size(); ++i) {
            if (i > 0)
                document->Imprimanta().newPage();
            const TPaginaDeTiparit& p = pagini.at(i);
            p.Pagina->PrintAllAreas(imprimanta, p.Oglinda, p.Stanga, p.Sus);
        }
    } catch (...) {
        // A half-printed certificate is no use to anyone.
        QFile::remove(fisier);
        throw;
    }
}

} // namespace

void TiparesteCertificatInPdf(const QString& fisier, int idElev, TPaginiCertificat pagini)
{
    VerificaElevul(idElev);
    TPrintPraventForm formular;
    UmpleFormular(formular, idElev, ScrieNotaInFormular);
    const QList<TPaginaCertificat> parti = PaginileAlese(pagini);
    Tipareste(fisier, PaginiDeTiparit(formular, parti), TitluDocument(parti));
}
