#include "forms/definitieformular.h"

#include "base/eroare.h"
#include "forms/fontformular.h"
#include "forms/formulardeprintat.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace {

QJsonObject CitesteDefinitia(const QString& cale)
{
    QFile fisier(cale);
    if (!fisier.open(QIODevice::ReadOnly))
        throw EEroare(QStringLiteral("Nu pot citi definitia formularului %1: %2").arg(cale, fisier.errorString()));
    QJsonParseError eroare{};
    const QJsonDocument document = QJsonDocument::fromJson(fisier.readAll(), &eroare);
    if (!document.isObject())
        throw EEroare(QStringLiteral("Definitia formularului %1 este gresita: %2").arg(cale, eroare.errorString()));
    return document.object();
}

void CreeazaFont(QWidget& formular, const QJsonObject& d)
{
    auto* font = new TFontFormular(&formular);
    font->setObjectName(d[QStringLiteral("Nume")].toString());
    font->SetFontName(d[QStringLiteral("FontName")].toString(font->FontName()));
    font->SetCharSet(d[QStringLiteral("CharSet")].toInt(font->CharSet()));
    font->SetSize(d[QStringLiteral("Size")].toDouble(font->Size()));
    font->SetBold(d[QStringLiteral("Bold")].toBool());
    font->SetItalic(d[QStringLiteral("Italic")].toBool());
    font->SetDescrierePentruEditor(d[QStringLiteral("DescrierePentruEditor")].toString());
}

TFormularTextArea::TAliniere Aliniere(const QString& text)
{
    if (text == QLatin1String("centru"))
        return TFormularTextArea::Centru;
    if (text == QLatin1String("dreapta"))
        return TFormularTextArea::Dreapta;
    return TFormularTextArea::Stanga;
}

QStringList Linii(const QJsonValue& valoare)
{
    QStringList linii;
    for (const QJsonValue& linie : valoare.toArray())
        linii.append(linie.toString());
    return linii;
}

void CreeazaArie(QWidget& formular, TFormularDePrintat& pagina, const QJsonObject& d)
{
    auto* area = new TFormularTextArea(&pagina);
    area->setObjectName(d[QStringLiteral("Nume")].toString());
    area->SetLeftMm(d[QStringLiteral("_Left")].toDouble());
    area->SetTopMm(d[QStringLiteral("_Top")].toDouble());
    area->SetWidthMm(d[QStringLiteral("_Width")].toDouble());
    area->SetHeightMm(d[QStringLiteral("_Height")].toDouble());
    area->SetZoomLock(d[QStringLiteral("ZoomLock")].toDouble());
    area->SetAlignment(Aliniere(d[QStringLiteral("Alignment")].toString()));
    area->SetDenumire1(d[QStringLiteral("Denumire1")].toString());
    area->SetDenumire2(d[QStringLiteral("Denumire2")].toString());
    area->SetDenumire3(d[QStringLiteral("Denumire3")].toString());
    area->SetSursaText(Linii(d[QStringLiteral("SursaText")]));
    const QString font = d[QStringLiteral("Font")].toString();
    if (!font.isEmpty()) {
        auto* gasit = formular.findChild<TFontFormular*>(font, Qt::FindDirectChildrenOnly);
        if (!gasit)
            throw EEroare(QStringLiteral("%1 foloseste fontul inexistent %2").arg(area->objectName(), font));
        area->SetFont(gasit);
    }
}

TFormularDePrintat* CreeazaPagina(QWidget& formular, const QJsonObject& d)
{
    auto* pagina = new TFormularDePrintat(&formular);
    pagina->SetSeIncarca(true);
    pagina->setObjectName(d[QStringLiteral("Nume")].toString());
    pagina->SetDenumireFormular(d[QStringLiteral("DenumireFormular")].toString());
    pagina->SetLatime(d[QStringLiteral("Latime")].toDouble(pagina->Latime()));
    pagina->SetInaltime(d[QStringLiteral("Inaltime")].toDouble(pagina->Inaltime()));
    pagina->SetDeltaStanga(d[QStringLiteral("DeltaStanga")].toDouble());
    pagina->SetDeltaSus(d[QStringLiteral("DeltaSus")].toDouble());
    pagina->SetZoom(d[QStringLiteral("Zoom")].toDouble(pagina->Zoom()));
    pagina->SetBkImage(QImage(d[QStringLiteral("BkImage")].toString()));
    for (const QJsonValue& arie : d[QStringLiteral("Arii")].toArray())
        CreeazaArie(formular, *pagina, arie.toObject());
    pagina->SetSeIncarca(false);
    for (TFormularTextArea* area : pagina->Arii())
        area->RepositionFromMm();
    return pagina;
}

} // namespace

QList<TFormularDePrintat*> IncarcaDefinitiaFormularului(QWidget& formular, const QString& cale)
{
    const QJsonObject definitie = CitesteDefinitia(cale);
    formular.setObjectName(definitie[QStringLiteral("Formular")].toString());
    for (const QJsonValue& font : definitie[QStringLiteral("Fonturi")].toArray())
        CreeazaFont(formular, font.toObject());
    QList<TFormularDePrintat*> pagini;
    for (const QJsonValue& pagina : definitie[QStringLiteral("Pagini")].toArray())
        pagini.append(CreeazaPagina(formular, pagina.toObject()));
    return pagini;
}
