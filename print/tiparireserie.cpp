#include "print/tiparireserie.h"

#include "base/eroare.h"
#include "base/userprompt.h"
#include "forms/formulardeprintat.h"
#include "forms/imprimantaqt.h"
#include "forms/umplereformular.h"
#include "print/allstuffreg.h"
#include "print/documenttiparit.h"
#include "print/insertpaperform.h"
#include "print/printpraventform.h"
#include "print/progresserie.h"
#include "print/scrienotainformular.h"

#include <QDialog>
#include <QPrinter>

TTiparitorCertificate::TTiparitorCertificate(QList<TPaginaDeTiparit> pagini)
    : m_alese(std::move(pagini)), m_formular(std::make_unique<TPrintPraventForm>())
{
}

TTiparitorCertificate::~TTiparitorCertificate() = default;

void TTiparitorCertificate::Umple(int idElev)
{
    // A pupil deleted meanwhile would come out as an empty card.
    if (!ExistaElevul(idElev))
        throw EEroare(QStringLiteral("Elevul %1 nu exista.").arg(idElev));
    UmpleFormular(*m_formular, idElev, ScrieNotaInFormular);
}

void TTiparitorCertificate::Tipareste(QPrinter& imprimanta, QPainter& pictor)
{
    TImprimantaQt pagina(imprimanta, pictor);
    for (const TPaginaDeTiparit& p : m_alese) {
        if (m_tiparite > 0)
            imprimanta.newPage();
        TFormularDePrintat& formular = p.Index == 0 ? *m_formular->Fata() : *m_formular->Spate();
        formular.PrintAllAreas(pagina, p.Oglinda, p.Stanga, p.Sus);
        ++m_tiparite;
    }
}

namespace {

bool ImprimantaConfigurata()
{
    const TAllStuffReg setari;
    return setari.ImprimantaConfigurata;
}

QString TitluDocument(int indexPagina)
{
    return indexPagina == 0 ? QStringLiteral("Diploma de examen national - fata")
                            : QStringLiteral("Diploma de examen national - verso");
}

QString MesajOprire(const TLinieAfisata& elev, const QString& motiv, int tiparite)
{
    return QStringLiteral("Tiparirea s-a oprit la elevul %1, %2: %3\nDiplome tiparite inaintea lui: %4.")
        .arg(elev.Id)
        .arg(elev.Denumire, motiv)
        .arg(tiparite);
}

void Tipareste(const TLiniiAfisate& elevi, int indexPagina, TProgresSerie& progres, TRezultatSerie& rezultat)
{
    if (!ImprimantaConfigurata()) {
        Prompt().Informatie(QStringLiteral("Configureaza imprimanta"));
        return;
    }
    // Held for the whole job, as for a single page: the prompt records the mirror choice in
    // it, and releasing it writes everything back once.
    TAllStuffReg setari;
    const bool fata = indexPagina == 0;
    double& stanga = fata ? setari.MargineStangaFata : setari.MargineStangaVerso;
    double& sus = fata ? setari.MargineSusFata : setari.MargineSusVerso;
    bool oglindaFata = false;
    bool oglindaVerso = false;
    const int total = static_cast<int>(elevi.size());
    if (AskForPaper(indexPagina, stanga, sus, oglindaFata, oglindaVerso, total) != QDialog::Accepted)
        return;
    TTiparitorCertificate tiparitor({{indexPagina, stanga, sus, fata ? oglindaFata : oglindaVerso}});
    // Begun only once the first card is filled: a job stopped or failing before it must not
    // feed a blank card.
    std::unique_ptr<TDocumentTiparit> document;
    for (const TLinieAfisata& elev : elevi) {
        if (!progres.Continua(rezultat.Tiparite + 1, total))
            return;
        try {
            tiparitor.Umple(elev.Id);
        } catch (const EEroare& e) {
            throw EEroare(MesajOprire(elev, e.Mesaj(), rezultat.Tiparite));
        }
        if (!document && !(document = TDocumentTiparit::Incepe(TitluDocument(indexPagina), false)))
            return;
        tiparitor.Tipareste(document->Imprimanta(), document->Pictor());
        ++rezultat.Tiparite;
    }
    rezultat.Incheiata = true;
}

} // namespace

TRezultatSerie TiparesteSeria(const TLiniiAfisate& elevi, int indexPagina, TProgresSerie& progres)
{
    TRezultatSerie rezultat;
    RuleazaCuEroare([&] { Tipareste(elevi, indexPagina, progres, rezultat); });
    return rezultat;
}
