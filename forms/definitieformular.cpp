#include "forms/definitieformular.h"

#include "certificat/definitiecertificat.h"
#include "certificat/fontformular.h"
#include "forms/formulardeprintat.h"

namespace {

TFormularDePrintat* CreeazaPagina(QWidget& formular, const TPaginaFormular& model)
{
    auto* pagina = new TFormularDePrintat(&formular);
    pagina->SetSeIncarca(true);
    pagina->setObjectName(model.Nume);
    pagina->SetDenumireFormular(model.DenumireFormular);
    pagina->SetLatime(model.Latime);
    pagina->SetInaltime(model.Inaltime);
    pagina->SetDeltaStanga(model.DeltaStanga);
    pagina->SetDeltaSus(model.DeltaSus);
    pagina->SetZoom(model.Zoom);
    pagina->SetBkImage(QImage(model.CaleFundal));
    for (const TArieFormular& arie : model.Arii)
        (new TFormularTextArea(pagina))->SetModel(arie);
    pagina->SetSeIncarca(false);
    for (TFormularTextArea* area : pagina->Arii())
        area->RepositionFromMm();
    return pagina;
}

} // namespace

QList<TFormularDePrintat*> IncarcaDefinitiaFormularului(QWidget& formular, const QString& cale)
{
    const std::unique_ptr<TDefinitieFormular> definitie = CitesteDefinitiaFormularului(cale);
    formular.setObjectName(definitie->objectName());
    for (TFontFormular* font : definitie->findChildren<TFontFormular*>(QString(), Qt::FindDirectChildrenOnly))
        font->setParent(&formular);
    QList<TFormularDePrintat*> pagini;
    for (const TPaginaFormular& pagina : definitie->Pagini)
        pagini.append(CreeazaPagina(formular, pagina));
    return pagini;
}
