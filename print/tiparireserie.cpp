#include "print/tiparireserie.h"

#include "base/eroare.h"
#include "base/userprompt.h"
#include "forms/formulardeprintat.h"
#include "forms/imprimantaqt.h"
#include "forms/umplereformular.h"
#include "print/documenttiparit.h"
#include "print/printpraventform.h"
#include "print/progresserie.h"
#include "print/scrienotainformular.h"

#include <QPrinter>

void CereElevul(int idElev)
{
    if (!ExistaElevul(idElev))
        throw EEroare(QStringLiteral("Elevul %1 nu exista.").arg(idElev));
}

TTiparitorCertificate::TTiparitorCertificate(QList<TPaginaDeTiparit> pagini)
    : m_alese(std::move(pagini)), m_formular(std::make_unique<TPrintPraventForm>())
{
}

TTiparitorCertificate::~TTiparitorCertificate() = default;

void TTiparitorCertificate::Umple(int idElev)
{
    // A pupil deleted meanwhile would come out as an empty card.
    CereElevul(idElev);
    UmpleFormular(*m_formular, idElev, ScrieNotaInFormular);
}

void TTiparitorCertificate::Tipareste(QPrinter& imprimanta, QPainter& pictor)
{
    TImprimantaQt pagina(imprimanta, pictor);
    for (const TPaginaDeTiparit& p : m_alese) {
        if (m_tiparite > 0)
            imprimanta.newPage();
        TFormularDePrintat& formular = p.Parte == TPaginaCertificat::Fata ? *m_formular->Fata() : *m_formular->Spate();
        formular.PrintAllAreas(pagina, p.Oglinda, p.Stanga, p.Sus);
        ++m_tiparite;
    }
}

namespace {

QString MesajOprire(const TLinieAfisata& elev, const QString& motiv, int tiparite)
{
    return QStringLiteral("Tiparirea s-a oprit la elevul %1, %2: %3\nDiplome tiparite inaintea lui: %4.")
        .arg(elev.Id)
        .arg(elev.Denumire, motiv)
        .arg(tiparite);
}

void TiparesteElevii(const TLiniiAfisate& elevi, const TPaginaDeTiparit& pagina, TProgresSerie& progres,
                     TRezultatSerie& rezultat)
{
    const int total = static_cast<int>(elevi.size());
    TTiparitorCertificate tiparitor({pagina});
    // Begun only once the first card is filled: a job stopped or failing before it must not
    // feed a blank card.
    std::unique_ptr<TDocumentTiparit> document;
    // Stopped by the user or by a pupil that cannot be filled, the cards printed so far make
    // a whole document.
    const auto incheie = [&document] {
        if (document)
            document->Incheie();
    };
    for (const TLinieAfisata& elev : elevi) {
        if (!progres.Continua(rezultat.Tiparite + 1, total)) {
            incheie();
            return;
        }
        try {
            tiparitor.Umple(elev.Id);
        } catch (const EEroare& e) {
            // The cards printed before it went out: their document is whole.
            incheie();
            throw EEroare(MesajOprire(elev, e.Mesaj(), rezultat.Tiparite));
        }
        if (!document && !(document = TDocumentTiparit::Incepe(TitluDocument({pagina.Parte}), false)))
            return;
        tiparitor.Tipareste(document->Imprimanta(), document->Pictor());
        ++rezultat.Tiparite;
    }
    incheie();
    rezultat.Incheiata = true;
}

} // namespace

TRezultatSerie TiparesteSeria(const TLiniiAfisate& elevi, TPaginaCertificat parte, TProgresSerie& progres)
{
    TRezultatSerie rezultat;
    if (elevi.empty()) {
        rezultat.Incheiata = true;
        return rezultat;
    }
    RuleazaCuEroare([&] {
        RuleazaLucrareaDeTiparire(parte, static_cast<int>(elevi.size()), [&](const TPaginaDeTiparit& pagina) {
            TiparesteElevii(elevi, pagina, progres, rezultat);
        });
    });
    return rezultat;
}
