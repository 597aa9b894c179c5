#pragma once

#include "base/brvregistryclass.h"

// The global options: how marks are written on every certificate of the year, and the
// forms of address. Create, read or assign, release at once: every holder writes all
// seven values back when it is released.
class TInfoGlobal2005 final : public TBrvRegistryClass {
    Q_OBJECT
    Q_PROPERTY(QString SufixFete MEMBER m_SufixFete)
    Q_PROPERTY(QString SufixBaieti MEMBER m_SufixBaieti)
    Q_PROPERTY(QString NotaDiploma MEMBER m_NotaDiploma)
    Q_PROPERTY(QString MedieDiploma MEMBER m_MedieDiploma)
    Q_PROPERTY(QString NotaCotor MEMBER m_NotaCotor)
    Q_PROPERTY(QString MedieCotor MEMBER m_MedieCotor)
    Q_PROPERTY(QString ScriuCuLitereMari MEMBER m_ScriuCuLitereMari)
public:
    static QString CheieGlobal();

    TInfoGlobal2005();
    ~TInfoGlobal2005() override;

    QString SufixFete() const { return m_SufixFete; }
    QString SufixBaieti() const { return m_SufixBaieti; }
    QString NotaDiploma() const { return m_NotaDiploma; }
    QString MedieDiploma() const { return m_MedieDiploma; }
    QString NotaCotor() const { return m_NotaCotor; }
    QString MedieCotor() const { return m_MedieCotor; }
    QString ScriuCuLitereMari() const { return m_ScriuCuLitereMari; }
    // Capitals unless small letters were chosen: an empty value prints as the options
    // dialog shows it.
    bool ScrieCuMajuscule() const { return m_ScriuCuLitereMari != QLatin1String("0"); }

    void setSufixFete(const QString& v) { m_SufixFete = v; }
    void setSufixBaieti(const QString& v) { m_SufixBaieti = v; }
    void setNotaDiploma(const QString& v) { m_NotaDiploma = v; }
    void setMedieDiploma(const QString& v) { m_MedieDiploma = v; }
    void setNotaCotor(const QString& v) { m_NotaCotor = v; }
    void setMedieCotor(const QString& v) { m_MedieCotor = v; }
    void setScriuCuLitereMari(const QString& v) { m_ScriuCuLitereMari = v; }

private:
    QString m_SufixFete, m_SufixBaieti, m_NotaDiploma, m_MedieDiploma, m_NotaCotor, m_MedieCotor,
        m_ScriuCuLitereMari;
};
