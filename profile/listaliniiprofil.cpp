#include "profile/listaliniiprofil.h"

void TListaLiniiProfilDiploma::AdaugaLinie(const QString& codFormular, const QString& codPagina,
                                           const QString& codCamp, const QString& etichetaEditor,
                                           const QString& formula, const QString& vizibil,
                                           const QString& tipDeDate, const QString& asociatCu,
                                           const QString& similarCu, int latimeSugerata,
                                           const QString& codLinie)
{
    auto linie = std::make_unique<TLinieProfilDiploma>();
    linie->COD_FORMULAR = codFormular;
    linie->COD_PAGINA = codPagina;
    linie->COD_CAMP = codCamp;
    linie->ETICHETA_EDITOR = etichetaEditor;
    linie->FORMULA = formula;
    linie->VIZIBIL = vizibil;
    linie->TIP_DE_DATE = tipDeDate;
    linie->ASOCIAT_CU = asociatCu;
    linie->SIMILAR_CU = similarCu;
    linie->LATIME_SUGERATA = latimeSugerata;
    linie->COD_LINIE = codLinie;
    m_linii.push_back(std::move(linie));
    m_linii.back()->ORDINE = Count();
}

void TListaLiniiTabel::AdaugaTabel(const QString& numeTabel, const QString& expDenumire)
{
    m_linii.push_back(std::make_unique<TLinieTabel>(TLinieTabel{numeTabel, expDenumire}));
}
