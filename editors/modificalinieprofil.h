#pragma once

#include "db/valoarecamp.h"

#include <QDialog>

class QComboBox;
class QLabel;

// Changes whether a profile line takes its similar field's value and which table owns it.
class TModificaLinieProfil : public QDialog {
    Q_OBJECT
public:
    explicit TModificaLinieProfil(QWidget* parent = nullptr);

    QComboBox* RzComboBox1() const { return m_onorez; }
    // The tables of TABELE; nothing else can be chosen.
    QComboBox* RzComboBox2() const { return m_asociatCu; }
    // The table the built-in profile gives the line, the way back to it.
    QLabel* EtichetaProfil() const { return m_dinProfil; }

    void Pregateste(const QString& codFormular, const QString& codPagina, const QString& codCamp);
    void Ok();
    void Renunt() { reject(); }

private:
    TReferintaCamp m_camp;
    QComboBox* m_onorez;
    QComboBox* m_asociatCu;
    QLabel* m_dinProfil;
};
