#include "certificat/particularizaretextarea.h"

#include "base/dosardate.h"
#include "base/eroare.h"
#include "base/fisierintreg.h"
#include "base/userprompt.h"
#include "certificat/definitiecertificat.h"
#include "certificat/fluxetichete.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

const int VersiuneCurenta = 2;

QString FormatInvalid() { return QStringLiteral("Invalid format"); }

TParticularizareTextArea CitesteInregistrarea(TCititorEtichete& cititor)
{
    const int versiune = cititor.Intreg();
    if (versiune > VersiuneCurenta)
        throw EEroare(FormatInvalid());
    TParticularizareTextArea r;
    r.NumeFormular = cititor.Sir();
    r.NumeArie = cititor.Sir();
    r.Aliniere = cititor.Intreg();
    // The editor offers half a millimetre either way; a larger stored shift (a damaged or
    // hand-made file) would move the text off the page or overflow the device coordinates.
    r.DeplasareOrizontala = std::clamp(cititor.Intreg(), -1, 1);
    r.DeplasareVerticala = std::clamp(cititor.Intreg(), -1, 1);
    r.NumeFont = cititor.Sir();
    if (versiune >= 1)
        r.Text = cititor.Sir();
    if (versiune >= 2) {
        r.Italic = cititor.Intreg();
        r.Bold = cititor.Intreg();
        r.NumeFata = cititor.Sir();
    }
    return r;
}

void ScrieInregistrarea(TScriitorEtichete& scriitor, const TParticularizareTextArea& r)
{
    scriitor.Intreg(VersiuneCurenta);
    scriitor.Sir(r.NumeFormular);
    scriitor.Sir(r.NumeArie);
    scriitor.Intreg(r.Aliniere);
    scriitor.Intreg(r.DeplasareOrizontala);
    scriitor.Intreg(r.DeplasareVerticala);
    scriitor.Sir(r.NumeFont);
    scriitor.Sir(r.Text);
    scriitor.Intreg(r.Italic);
    scriitor.Intreg(r.Bold);
    scriitor.Sir(r.NumeFata);
}

std::unique_ptr<TListaParticularizareTextArea>& ListaProces()
{
    static std::unique_ptr<TListaParticularizareTextArea> lista;
    return lista;
}

} // namespace

TListaParticularizareTextArea::TListaParticularizareTextArea(const QString& cale) : m_cale(cale)
{
    if (!QFile::exists(m_cale))
        return;
    try {
        Incarca();
    } catch (const EEroare& e) {
        // Writing the partial list over the file would lose every record after the fault:
        // keep the file for whoever can mend it and go on with what was read.
        m_eroare = e.Mesaj();
        PuneDeoparteFisierul();
    }
}

void TListaParticularizareTextArea::Incarca()
{
    QFile fisier(m_cale);
    if (!fisier.open(QIODevice::ReadOnly))
        throw EEroare(QStringLiteral("Nu pot citi fisierul %1: %2").arg(m_cale, fisier.errorString()));
    const QByteArray continut = fisier.readAll();
    TCititorEtichete cititor(continut);
    if (cititor.Intreg() != 0)
        throw EEroare(FormatInvalid());
    const int numar = cititor.Intreg();
    for (int i = 0; i < numar; ++i)
        Adauga(CitesteInregistrarea(cititor));
}

void TListaParticularizareTextArea::PuneDeoparteFisierul()
{
    const QFileInfo info(m_cale);
    const QString baza = info.absolutePath() + QLatin1Char('/') + info.completeBaseName()
        + QStringLiteral("-necitibil-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString tinta = baza + QLatin1Char('.') + info.suffix();
    for (int i = 2; QFile::exists(tinta); ++i)
        tinta = baza + QStringLiteral("-%1.").arg(i) + info.suffix();
    if (QFile::rename(m_cale, tinta))
        m_caleNecitit = tinta;
    m_eroare = QStringLiteral("Fisierul %1 nu a putut fi citit (%2). ").arg(m_cale, m_eroare)
        + (m_caleNecitit.isEmpty() ? QStringLiteral("Fisierul nu a putut fi pus deoparte.")
                                   : QStringLiteral("A fost pus deoparte ca %1.").arg(m_caleNecitit));
}

void TListaParticularizareTextArea::Adauga(const TParticularizareTextArea& inregistrare)
{
    m_inregistrari.push_back(std::make_unique<TParticularizareTextArea>(inregistrare));
}

TParticularizareTextArea* TListaParticularizareTextArea::FindOverride(const QString& formular, const QString& nume,
                                                                     const QObject& fonturi, bool creeaza)
{
    TParticularizareTextArea* gasita = nullptr;
    for (const auto& r : m_inregistrari)
        if (r->NumeFormular == formular && r->NumeArie == nume)
            gasita = r.get();
    if (!gasita && creeaza) {
        TParticularizareTextArea noua;
        noua.NumeFormular = formular;
        noua.NumeArie = nume;
        Adauga(noua);
        gasita = m_inregistrari.back().get();
        Save();
    }
    if (gasita)
        gasita->Font = FontulFormularului(fonturi, gasita->NumeFont);
    return gasita;
}

void TListaParticularizareTextArea::Save() const
{
    TScriitorEtichete scriitor;
    scriitor.Intreg(0);
    scriitor.Intreg(Numar());
    for (const auto& r : m_inregistrari)
        ScrieInregistrarea(scriitor, *r);
    ScrieFisierIntreg(m_cale, scriitor.Octeti());
}

TListaParticularizareTextArea& ListaParticularizari()
{
    auto& lista = ListaProces();
    if (!lista) {
        lista = std::make_unique<TListaParticularizareTextArea>(CaleInDosarDate(QStringLiteral("licenta.lic")));
        if (!lista->EroareLaIncarcare().isEmpty())
            Prompt().Eroare(lista->EroareLaIncarcare());
    }
    return *lista;
}

void UitaListaParticularizari()
{
    ListaProces().reset();
}
