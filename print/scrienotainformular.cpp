#include "print/scrienotainformular.h"

#include "base/infoglobal2005.h"
#include "certificat/arieformular.h"
#include "base/formatarenumere.h"
#include "base/litereromanesti.h"
#include "base/notainlitere.h"

#include <QScopeGuard>

namespace {

// An option that names no layout writes the digits alone.
TModScriereNota ModScriereNota(const QString& optiune)
{
    return ModScriereNotaDinText(optiune).value_or(TModScriereNota::Nota);
}

// The layouts that write the words into the lower area.
bool DouaArii(TModScriereNota mod)
{
    return mod == TModScriereNota::NotaSubProcent || mod == TModScriereNota::NotaSubLitere;
}

QString OptiuneaPentru(const TInfoGlobal2005& optiuni, int tipNota)
{
    switch (tipNota) {
    case TipNotaDiploma: return optiuni.NotaDiploma();
    case TipNotaCotor: return optiuni.NotaCotor();
    case TipMedieCotor: return optiuni.MedieCotor();
    default: return optiuni.MedieDiploma();
    }
}

void Aseaza(TArieFormular& sus, TArieFormular* jos, TModScriereNota mod)
{
    if (DouaArii(mod)) {
        sus.TopMm = sus.TopInitial;
        jos->Vizibila = true;
    } else if (jos) {
        jos->Vizibila = false;
        sus.TopMm = (sus.TopInitial + jos->TopInitial) / 2;
    }
}

void ScrieTextele(TArieFormular& sus, TArieFormular* jos, std::optional<qint32> nota, TModScriereNota mod)
{
    if (!nota) {
        sus.Text = QStringLiteral("----");
        if (DouaArii(mod))
            jos->Text = QStringLiteral(" ");
        return;
    }
    const QString cifre = FormateazaSuma(2, static_cast<qint64>(*nota) * 100);
    const QString litere = mod == TModScriereNota::Nota
                               ? QString()
                               : NotaInLitere(*nota, mod == TModScriereNota::NotaSubLitere ? 1 : 3);
    if (DouaArii(mod)) {
        sus.Text = cifre;
        jos->Text = litere;
    } else {
        sus.Text = litere.isEmpty() ? cifre : cifre + u' ' + litere;
    }
}

} // namespace

void ScrieNotaInFormular(TArieFormular* sus, TArieFormular* jos, std::optional<qint32> nota, int tipNota)
{
    for (TArieFormular* arie : {sus, jos}) {
        if (arie)
            arie->Text = QStringLiteral(" ");
    }
    const TInfoGlobal2005 optiuni;
    const bool majuscule = optiuni.ScrieCuMajuscule();
    // The letter case goes last and whatever happened before, so that a page is never left
    // with part of its marks in the other case.
    const auto cazul = qScopeGuard([&] {
        for (TArieFormular* arie : {sus, jos}) {
            if (arie)
                arie->Text = majuscule ? LitereMari(arie->Text) : LitereMici(arie->Text);
        }
    });

    if (!sus) {
        sus = jos;
        jos = nullptr;
    }
    if (!sus)
        return;
    sus->PastreazaPozitiaInitiala();
    if (jos)
        jos->PastreazaPozitiaInitiala();

    TModScriereNota mod = ModScriereNota(OptiuneaPentru(optiuni, tipNota));
    if (DouaArii(mod) && !jos)
        mod = TModScriereNota::NotaProcent;
    Aseaza(*sus, jos, mod);
    ScrieTextele(*sus, jos, nota, mod);
}
