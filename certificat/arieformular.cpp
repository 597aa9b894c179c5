#include "certificat/arieformular.h"

#include "base/multimi.h"
#include "certificat/fontformular.h"
#include "certificat/particularizaretextarea.h"

namespace {

Qt::Alignment AliniereQt(TArieFormular::TAliniere aliniere)
{
    switch (aliniere) {
    case TArieFormular::Dreapta: return Qt::AlignRight;
    case TArieFormular::Centru: return Qt::AlignHCenter;
    case TArieFormular::Stanga: break;
    }
    return Qt::AlignLeft;
}

Qt::Alignment AliniereParticularizata(int aliniere, Qt::Alignment implicita)
{
    switch (AliniereParticularizataDinNumar(aliniere)) {
    case TAliniereParticularizata::Stanga: return Qt::AlignLeft;
    case TAliniereParticularizata::Centru: return Qt::AlignHCenter;
    case TAliniereParticularizata::Dreapta: return Qt::AlignRight;
    case TAliniereParticularizata::Pastreaza: break;
    }
    return implicita;
}

bool Fortat(int alegere, bool implicit)
{
    return StilAplicat(StilParticularizatDinNumar(alegere), implicit);
}

} // namespace

void TArieFormular::PastreazaPozitiaInitiala()
{
    if (TopInitialPastrat)
        return;
    TopInitial = TopMm;
    TopInitialPastrat = true;
}

TAspectEfectiv TArieFormular::AspectEfectiv(const TParticularizareTextArea* p) const
{
    TAspectEfectiv aspect;
    aspect.Text = Text;
    if (p && !p->Text.isEmpty() && Text.size() != 1)
        aspect.Text = p->Text;
    aspect.Font = p && p->Font ? p->Font : Font;
    aspect.Aliniere = AliniereParticularizata(p ? p->Aliniere : 0, AliniereQt(Aliniere));
    if (aspect.Font) {
        aspect.Greutate = Fortat(p ? p->Bold : 0, aspect.Font->Bold()) ? 700 : 400;
        aspect.Italic = Fortat(p ? p->Italic : 0, aspect.Font->Italic());
        aspect.Fata = p && !p->NumeFata.isEmpty() ? p->NumeFata : aspect.Font->FontName();
    }
    if (p) {
        aspect.DeplasareOrizontala = p->DeplasareOrizontala;
        aspect.DeplasareVerticala = p->DeplasareVerticala;
    }
    return aspect;
}

TArieUmpluta TArieFormular::ArieUmpluta(const TParticularizareTextArea* particularizare) const
{
    const TAspectEfectiv aspect = AspectEfectiv(particularizare);
    TArieUmpluta arie;
    arie.StangaMm = LeftMm;
    arie.SusMm = TopMm;
    arie.LatimeMm = WidthMm;
    arie.InaltimeMm = HeightMm;
    arie.Text = aspect.Text;
    arie.AreFont = aspect.Font != nullptr;
    if (aspect.Font) {
        arie.MarimeFontMm = aspect.Font->Size();
        arie.CharSet = aspect.Font->CharSet();
    }
    arie.Fata = aspect.Fata;
    arie.Greutate = aspect.Greutate;
    arie.Italic = aspect.Italic;
    arie.Aliniere = aspect.Aliniere;
    arie.DeplasareOrizontala = aspect.DeplasareOrizontala;
    arie.DeplasareVerticala = aspect.DeplasareVerticala;
    arie.Vizibila = Vizibila;
    return arie;
}
