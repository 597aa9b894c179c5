#include "certificat/definitiecertificat.h"

#include "base/eroare.h"
#include "certificat/fontformular.h"
#include "certificat/particularizaretextarea.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

void CreeazaFont(QObject& formular, const QJsonObject& d)
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

TArieFormular::TAliniere Aliniere(const QString& text)
{
    if (text == QLatin1String("centru"))
        return TArieFormular::Centru;
    if (text == QLatin1String("dreapta"))
        return TArieFormular::Dreapta;
    return TArieFormular::Stanga;
}

QStringList Linii(const QJsonValue& valoare)
{
    QStringList linii;
    for (const QJsonValue& linie : valoare.toArray())
        linii.append(linie.toString());
    return linii;
}

TArieFormular Arie(const QObject& formular, const QJsonObject& d)
{
    TArieFormular arie;
    arie.Nume = d[QStringLiteral("Nume")].toString();
    arie.LeftMm = d[QStringLiteral("_Left")].toDouble();
    arie.TopMm = d[QStringLiteral("_Top")].toDouble();
    arie.WidthMm = d[QStringLiteral("_Width")].toDouble();
    arie.HeightMm = d[QStringLiteral("_Height")].toDouble();
    arie.ZoomLock = d[QStringLiteral("ZoomLock")].toDouble();
    arie.Aliniere = Aliniere(d[QStringLiteral("Alignment")].toString());
    arie.Denumire1 = d[QStringLiteral("Denumire1")].toString();
    arie.Denumire2 = d[QStringLiteral("Denumire2")].toString();
    arie.Denumire3 = d[QStringLiteral("Denumire3")].toString();
    arie.SursaText = Linii(d[QStringLiteral("SursaText")]);
    const QString font = d[QStringLiteral("Font")].toString();
    if (!font.isEmpty()) {
        arie.Font = formular.findChild<TFontFormular*>(font, Qt::FindDirectChildrenOnly);
        if (!arie.Font)
            throw EEroare(QStringLiteral("%1 foloseste fontul inexistent %2").arg(arie.Nume, font));
    }
    return arie;
}

TPaginaFormular Pagina(const QObject& formular, const QJsonObject& d)
{
    TPaginaFormular pagina;
    pagina.Nume = d[QStringLiteral("Nume")].toString();
    pagina.DenumireFormular = d[QStringLiteral("DenumireFormular")].toString();
    pagina.Latime = d[QStringLiteral("Latime")].toDouble(pagina.Latime);
    pagina.Inaltime = d[QStringLiteral("Inaltime")].toDouble(pagina.Inaltime);
    pagina.DeltaStanga = d[QStringLiteral("DeltaStanga")].toDouble();
    pagina.DeltaSus = d[QStringLiteral("DeltaSus")].toDouble();
    pagina.Zoom = d[QStringLiteral("Zoom")].toDouble(pagina.Zoom);
    pagina.CaleFundal = d[QStringLiteral("BkImage")].toString();
    for (const QJsonValue& arie : d[QStringLiteral("Arii")].toArray())
        pagina.Arii.push_back(Arie(formular, arie.toObject()));
    return pagina;
}

} // namespace

std::unique_ptr<TDefinitieFormular> CitesteDefinitiaFormularului(const QString& cale)
{
    const QJsonObject definitie = CitesteDefinitia(cale);
    auto formular = std::make_unique<TDefinitieFormular>();
    formular->setObjectName(definitie[QStringLiteral("Formular")].toString());
    for (const QJsonValue& font : definitie[QStringLiteral("Fonturi")].toArray())
        CreeazaFont(*formular, font.toObject());
    for (const QJsonValue& pagina : definitie[QStringLiteral("Pagini")].toArray())
        formular->Pagini.push_back(Pagina(*formular, pagina.toObject()));
    return formular;
}

TFontFormular* FontulFormularului(const QObject& formular, const QString& nume)
{
    if (nume.isEmpty())
        return nullptr;
    const auto fonturi = formular.findChildren<TFontFormular*>(QString(), Qt::FindDirectChildrenOnly);
    for (TFontFormular* font : fonturi)
        if (font->objectName().compare(nume, Qt::CaseInsensitive) == 0)
            return font;
    return nullptr;
}

TPaginaUmpluta PaginaUmpluta(const TDefinitieFormular& formular, const TPaginaFormular& pagina)
{
    TPaginaUmpluta umpluta;
    umpluta.LatimeMm = pagina.Latime;
    umpluta.InaltimeMm = pagina.Inaltime;
    umpluta.DeltaStanga = pagina.DeltaStanga;
    umpluta.DeltaSus = pagina.DeltaSus;
    TListaParticularizareTextArea& particularizari = ListaParticularizari();
    for (const TArieFormular& arie : pagina.Arii)
        umpluta.Arii.append(
            arie.ArieUmpluta(particularizari.FindOverride(formular.objectName(), arie.Nume, formular, false)));
    return umpluta;
}
