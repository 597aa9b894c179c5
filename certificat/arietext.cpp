#include "certificat/arietext.h"

TArieUmpluta ArieText(const QRectF& mm, const QString& text, const QString& fata, double marimeFontMm,
                      Qt::Alignment aliniere, int greutate)
{
    TArieUmpluta arie;
    arie.StangaMm = mm.left();
    arie.SusMm = mm.top();
    arie.LatimeMm = mm.width();
    arie.InaltimeMm = mm.height();
    arie.Text = text;
    arie.AreFont = true;
    arie.MarimeFontMm = marimeFontMm;
    arie.Fata = fata;
    arie.Greutate = greutate;
    arie.Aliniere = aliniere;
    return arie;
}
