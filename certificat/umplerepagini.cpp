#include "certificat/umplerepagini.h"

#include "base/citestenota.h"
#include "base/eroare.h"
#include "base/multimi.h"
#include "base/textunrand.h"
#include "base/userprompt.h"
#include "certificat/arieformular.h"
#include "certificat/ariiregistru.h"
#include "db/depozit.h"
#include "db/tdm.h"
#include "db/valoarecamp.h"
#include "profile/inregistrare.h"

#include <QHash>
#include <algorithm>
#include <optional>

namespace {

const QString TipNota = QStringLiteral("NOTA");

// As the messages have always named it: the area and the class of its widget.
QString NumeArie(const TArieFormular& arie)
{
    return arie.Nume + QStringLiteral(".TFormularTextArea");
}

bool ReferintaGoala(const TReferintaCamp& ref)
{
    return ref.Formular.isEmpty() && ref.Pagina.isEmpty() && ref.Camp.isEmpty();
}

QString TipDeDate(const TArieFormular& arie, const TReferintaCamp& ref)
{
    if (ReferintaGoala(ref))
        return QStringLiteral("X");
    const std::optional<QString> tip = TipDeDateCamp(ref);
    if (!tip)
        throw EEroare(QStringLiteral("%1 face referire la campul inexistent %2.%3.%4")
                          .arg(NumeArie(arie), ref.Formular, ref.Pagina, ref.Camp));
    return *tip;
}

// An empty reference number is none; anything else must be an integer.
std::optional<int> NumarDinDenumire(const TArieFormular& arie, const QString& eticheta, const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const int numar = text.toInt(&ok);
    if (!ok)
        throw EEroare(QStringLiteral("%1 are %2=\"%3\" (adica nu un numar)").arg(NumeArie(arie), eticheta, text));
    return numar;
}

// The value, or the characters from a 1-based position: one, or as many as Denumire3 says.
QString Felie(const TArieFormular& arie, const QString& valoare)
{
    const std::optional<int> start = NumarDinDenumire(arie, QStringLiteral("denumire2"), arie.Denumire2);
    const std::optional<int> lungime = NumarDinDenumire(arie, QStringLiteral("Denumire3"), arie.Denumire3);
    if (!start)
        return valoare;
    const int pozitie = qMax(*start, 1) - 1;
    const int cate = lungime.value_or(1);
    if (cate <= 0 || pozitie >= valoare.size())
        return QString();
    return valoare.mid(pozitie, cate);
}

int TipulNotei(const TArieFormular& arie)
{
    if (const std::optional<TTipNota> tip = TipNotaDinText(arie.Denumire3))
        return *tip;
    throw EEroare(QStringLiteral("%1 specifica un camp \"NOTA\" cu Denumire3 = \"%2\"; Denumire3 ar trebui sa fie "
                                 "NOTA_DIPLOMA, NOTA_COTOR, MEDIE_DIPLOMA sau MEDIE_COTOR!")
                      .arg(NumeArie(arie), arie.Denumire3));
}

struct TPerecheNota {
    TArieFormular* Sus = nullptr;
    TArieFormular* Jos = nullptr;
};

// The areas of the page that show the same mark: the upper one gets the digits, the lower
// one (if any) the words.
TPerecheNota PerecheaNotei(const TAriiPagina& pagina, const TArieFormular& arie)
{
    TPerecheNota pereche;
    for (TArieFormular* alta : pagina) {
        if (alta->Denumire1.compare(arie.Denumire1, Qt::CaseInsensitive) != 0
            || alta->Denumire3.compare(arie.Denumire3, Qt::CaseInsensitive) != 0)
            continue;
        if (!pereche.Sus) {
            pereche.Sus = alta;
        } else if (alta->TopMm > pereche.Sus->TopMm) {
            pereche.Jos = alta;
        } else {
            pereche.Jos = pereche.Sus;
            pereche.Sus = alta;
        }
    }
    return pereche;
}


// What one filling has read. Values and data types cannot change while it runs, and the
// per-character areas of a code name the same field over and over.
class TCampuriCitite {
public:
    struct TCampCitit {
        QString Valoare;
        QString Tip;
    };

    // A stored mark text that is not a mark, named by its field.
    struct TNotaGresita {
        QString Camp;
        QString Text;
    };

    explicit TCampuriCitite(int idElev) : m_idElev(idElev) {}

    int IdElev() const { return m_idElev; }
    // Each field once, however many areas show it.
    void NoteazaNotaGresita(const TArieFormular& arie, const QString& text)
    {
        for (const TNotaGresita& gresita : std::as_const(m_noteGresite))
            if (gresita.Camp == arie.Denumire1)
                return;
        m_noteGresite.push_back({arie.Denumire1, text});
    }
    const QList<TNotaGresita>& NoteGresite() const { return m_noteGresite; }

    const TCampCitit& Citeste(const TArieFormular& arie)
    {
        const auto gasit = m_citite.constFind(arie.Denumire1);
        if (gasit != m_citite.cend())
            return *gasit;
        const TReferintaCamp ref = DescompuneReferinta(arie.Denumire1);
        const QString valoare =
            ReferintaGoala(ref) ? QString() : ValoareCamp(ref, m_idElev);
        return *m_citite.insert(arie.Denumire1, {valoare, TipDeDate(arie, ref)});
    }

private:
    int m_idElev;
    QHash<QString, TCampCitit> m_citite;
    QList<TNotaGresita> m_noteGresite;
};

void UmpleArie(const TAriiPagina& pagina, TArieFormular& arie, TCampuriCitite& campuri,
               const TScriitorNota& scrieNota)
{
    arie.Text.clear();
    if (ArieDinRegistru(arie))
        return;
    const TCampuriCitite::TCampCitit& camp = campuri.Citeste(arie);
    if (camp.Tip != TipNota) {
        arie.Text = Felie(arie, camp.Valoare);
        return;
    }
    const int tip = TipulNotei(arie);
    const TNotaStocata nota = CitesteNotaStocata(camp.Valoare);
    // A text that is no mark must not print as a believable one: its areas stay empty.
    if (nota.Stare == TNotaStocata::NuEsteNota) {
        campuri.NoteazaNotaGresita(arie, camp.Valoare);
        return;
    }
    const TPerecheNota pereche = PerecheaNotei(pagina, arie);
    const std::optional<qint32> sutimi =
        nota.Stare == TNotaStocata::Nota ? std::optional<qint32>(qint32(nota.Valoare / 100)) : std::nullopt;
    if (scrieNota)
        scrieNota(pereche.Sus, pereche.Jos, sutimi, tip);
}

QString MesajNoteGresite(const TCampuriCitite& campuri)
{
    const QString elev = ParseExp(ProfilCerut().ListaCampuriElev(), campuri.IdElev()).trimmed();
    QString mesaj = QStringLiteral("Elevul %1 (numarul %2) are in campurile de nota de mai jos un text care nu este o "
                                   "nota intre 5,00 si 10,00; pe formular aceste note raman goale:")
                        .arg(EscapeazaPeUnRand(elev))
                        .arg(campuri.IdElev());
    for (const TCampuriCitite::TNotaGresita& gresita : campuri.NoteGresite())
        mesaj += QStringLiteral("\n%1: \"%2\"").arg(gresita.Camp, EscapeazaPeUnRand(gresita.Text));
    return mesaj;
}

} // namespace

void NumeroteazaAriile(const TAriiPagina& arii)
{
    static const QString Prefix = QStringLiteral("FormularTextArea");
    QList<const QString*> numite;
    for (TArieFormular* arie : arii) {
        if (!arie->Nume.startsWith(Prefix))
            continue;
        bool ok = false;
        const int n = arie->Nume.mid(Prefix.size()).toInt(&ok);
        // The first area of each name FormularTextArea<n> exactly, as it is looked up by number.
        if (!ok || n < 1 || arie->Nume != Prefix + QString::number(n)
            || std::any_of(numite.cbegin(), numite.cend(), [arie](const QString* nume) { return *nume == arie->Nume; }))
            continue;
        numite.append(&arie->Nume);
        arie->Text = QStringLiteral("<%1>").arg(n);
    }
}

void UmplePaginile(const QList<TAriiPagina>& pagini, int idElev, const TScriitorNota& scrieNota)
{
    QString mesaj;
    {
        TGardaTranzactie tr(DM().Tr(), TTipTranzactie::Citire);
        TCampuriCitite campuri(idElev);
        for (const TAriiPagina& pagina : pagini) {
            NumeroteazaAriile(pagina);
            for (TArieFormular* arie : pagina)
                UmpleArie(pagina, *arie, campuri, scrieNota);
        }
        if (!campuri.NoteGresite().isEmpty())
            mesaj = MesajNoteGresite(campuri);
    }
    // Told once per filling, after the transaction, so that no box waits with it open.
    if (!mesaj.isEmpty())
        Prompt().Avertisment(mesaj);
}
