#include "forms/umplereformular.h"

#include "forms/formulardeprintat.h"
#include "forms/formulartextarea.h"

#include <QCollator>
#include <QScopeGuard>
#include <algorithm>

namespace {

// The pages in the order they were placed on the form, which their numbered names keep:
// the order of the children is no guide, since showing a tab page raises it above the
// others.
QList<TFormularDePrintat*> PaginileFormularului(const QWidget& formular)
{
    QList<TFormularDePrintat*> pagini = formular.findChildren<TFormularDePrintat*>();
    QCollator ordine(QLocale::c());
    ordine.setNumericMode(true);
    std::stable_sort(pagini.begin(), pagini.end(), [&ordine](const TFormularDePrintat* a, const TFormularDePrintat* b) {
        return ordine.compare(a->objectName(), b->objectName()) < 0;
    });
    return pagini;
}

} // namespace

TAriiPagina AriileModel(const TFormularDePrintat& pagina)
{
    TAriiPagina arii;
    for (TFormularTextArea* area : pagina.Arii())
        arii.append(&area->Model());
    return arii;
}

void ReseteazaPagina(TFormularDePrintat& pagina)
{
    const TAriiPagina arii = AriileModel(pagina);
    NumeroteazaAriile(arii);
    for (TFormularTextArea* area : pagina.Arii())
        area->update();
    pagina.SetTextAreaTransparent(true);
    pagina.SetZoom(100);
}

void UmpleFormular(QWidget& formular, int idElev, const TScriitorNota& scrieNota)
{
    const QList<TFormularDePrintat*> pagini = PaginileFormularului(formular);
    QList<TAriiPagina> arii;
    for (TFormularDePrintat* pagina : pagini) {
        pagina->SetTextAreaTransparent(true);
        pagina->SetZoom(100);
        arii.append(AriileModel(*pagina));
    }
    // A failure leaves the pages filled so far showing what their models hold.
    const auto actualizeaza = qScopeGuard([&pagini] {
        for (TFormularDePrintat* pagina : pagini)
            for (TFormularTextArea* area : pagina->Arii())
                area->ActualizeazaDinModel();
    });
    UmplePaginile(arii, idElev, scrieNota);
}
