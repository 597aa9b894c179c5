#pragma once

#include <QString>
#include <memory>
#include <vector>

// One field of the certificate, named after the PROFIL_DIPLOMA columns it is written to.
struct TLinieProfilDiploma {
    QString COD_FORMULAR;
    QString COD_PAGINA;
    QString COD_CAMP;
    QString SIMILAR_CU;
    QString ETICHETA_EDITOR;
    QString FORMULA;
    QString VIZIBIL;
    QString TIP_DE_DATE;
    QString ASOCIAT_CU;
    QString GRUP;
    int ORDINE = 0;
    int LATIME_SUGERATA = 0;
    QString COD_LINIE;
};

// The profile: every field of every page, in profile order.
class TListaLiniiProfilDiploma {
public:
    virtual ~TListaLiniiProfilDiploma() = default;

    // Appends a line and numbers it with its 1-based position.
    void AdaugaLinie(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                     const QString& etichetaEditor, const QString& formula, const QString& vizibil,
                     const QString& tipDeDate, const QString& asociatCu, const QString& similarCu,
                     int latimeSugerata, const QString& codLinie);

    int Count() const { return static_cast<int>(m_linii.size()); }
    const TLinieProfilDiploma& Linie(int index) const { return *m_linii.at(index); }

private:
    std::vector<std::unique_ptr<TLinieProfilDiploma>> m_linii;
};

// One entity table: its upper-case name and the display expression (or caption) of a record.
struct TLinieTabel {
    QString NUME_TABEL;
    QString EXP_DENUMIRE;
};

class TListaLiniiTabel {
public:
    virtual ~TListaLiniiTabel() = default;

    void AdaugaTabel(const QString& numeTabel, const QString& expDenumire);
    int Count() const { return static_cast<int>(m_linii.size()); }
    const TLinieTabel& Linie(int index) const { return *m_linii.at(index); }

private:
    std::vector<std::unique_ptr<TLinieTabel>> m_linii;
};
