#include "print/tiparireserie.h"

#include "base/eroare.h"
#include "base/userprompt.h"
#include "certificat/definitiecertificat.h"
#include "certificat/desenarepagina.h"
#include "forms/imprimantaqt.h"
#include "print/documenttiparit.h"
#include "print/formularpravent.h"
#include "print/progresserie.h"
#include "print/scrienotainformular.h"
#include "print/tiparireinregistrata.h"

#include <QPrinter>

void CereElevul(int idElev)
{
    if (!ExistaElevul(idElev))
        throw EEroare(QStringLiteral("Elevul %1 nu exista.").arg(idElev));
}

TTiparitorCertificate::TTiparitorCertificate(QList<TPaginaDeTiparit> pagini)
    : m_alese(std::move(pagini)), m_formular(CitesteDefinitiaFormularului(CaleFormularPravent()))
{
    CerePaginileCertificatului(static_cast<qsizetype>(m_formular->Pagini.size()));
    for (TPaginaFormular& pagina : m_formular->Pagini) {
        TAriiPagina arii;
        for (TArieFormular& arie : pagina.Arii)
            arii.append(&arie);
        m_arii.append(arii);
    }
}

TTiparitorCertificate::~TTiparitorCertificate() = default;

void TTiparitorCertificate::Umple(int idElev)
{
    // A pupil deleted meanwhile would come out as an empty card.
    CereElevul(idElev);
    UmplePaginile(m_arii, idElev, ScrieNotaInFormular);
}

void TTiparitorCertificate::Inregistrare(const TIntrareRegistru& intrare)
{
    ScrieIntrarea(m_arii, intrare);
}

const QImage* TTiparitorCertificate::Fundal(int pagina)
{
    QImage& fundal = m_fundaluri.at(pagina);
    if (fundal.isNull())
        fundal.load(m_formular->Pagini.at(pagina).CaleFundal);
    return fundal.isNull() ? nullptr : &fundal;
}

void TTiparitorCertificate::Tipareste(QPrinter& imprimanta, QPainter& pictor)
{
    TImprimantaQt pagina(imprimanta, pictor);
    for (const TPaginaDeTiparit& p : m_alese) {
        if (m_tiparite > 0)
            imprimanta.newPage();
        const int index = p.Parte == TPaginaCertificat::Fata ? 0 : 1;
        const TPaginaUmpluta umpluta = PaginaUmpluta(*m_formular, m_formular->Pagini.at(index));
        DeseneazaPeHartie(pagina, umpluta, {p.Corectie(), p.Oglinda, p.Proba ? Fundal(index) : nullptr});
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
                     const TInainteDeTiparire& inainte, TRezultatSerie& rezultat)
{
    const int total = static_cast<int>(elevi.size());
    TTiparitorCertificate tiparitor({pagina});
    // Begun only once the first card is filled: a job stopped or failing before it must not
    // feed a blank card.
    std::unique_ptr<TDocumentTiparit> document;
    // Stopped by the user or by a pupil that cannot be filled, the cards printed so far make
    // a whole document. A document that cannot be ended put no card out.
    const auto incheie = [&document, &rezultat] {
        if (!document)
            return;
        try {
            document->Incheie();
        } catch (const EEroare&) {
            rezultat.Tiparite = 0;
            throw;
        }
    };
    // The cards printed before the pupil that failed went out: their document is whole.
    const auto oprire = [&](const TLinieAfisata& elev, const EEroare& e) {
        incheie();
        return EEroare(MesajOprire(elev, e.Mesaj(), rezultat.Tiparite));
    };
    for (const TLinieAfisata& elev : elevi) {
        if (!progres.Continua(rezultat.Tiparite + 1, total)) {
            incheie();
            return;
        }
        try {
            tiparitor.Umple(elev.Id);
        } catch (const EEroare& e) {
            throw oprire(elev, e);
        }
        if (!document && !(document = TDocumentTiparit::Incepe(TitluDocument({pagina.Parte}), false)))
            return;
        if (inainte) {
            try {
                inainte(elev, tiparitor);
            } catch (const EEroare& e) {
                throw oprire(elev, e);
            }
        }
        tiparitor.Tipareste(document->Imprimanta(), document->Pictor());
        ++rezultat.Tiparite;
    }
    incheie();
    rezultat.Incheiata = true;
}

} // namespace

TRezultatSerie TiparesteSeria(const TLiniiAfisate& elevi, TPaginaCertificat parte, TProgresSerie& progres,
                              const TInainteDeTiparire& inainte)
{
    TRezultatSerie rezultat;
    if (elevi.empty()) {
        rezultat.Incheiata = true;
        return rezultat;
    }
    RuleazaCuEroare([&] {
        RuleazaLucrareaDeTiparire(parte, static_cast<int>(elevi.size()), [&](const TPaginaDeTiparit& pagina) {
            TiparesteElevii(elevi, pagina, progres, inainte, rezultat);
        });
    });
    return rezultat;
}
