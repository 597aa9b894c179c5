#pragma once

#include "db/valoarecamp.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

// Changes whether a profile line takes its similar field's value and which table owns it.
class TModificaLinieProfil : public QDialog {
    Q_OBJECT
public:
    explicit TModificaLinieProfil(QWidget* parent = nullptr);

    QComboBox* RzComboBox1() const { return m_onorez; }
    QLineEdit* RzEdit2() const { return m_asociatCu; }

    void Pregateste(const QString& codFormular, const QString& codPagina, const QString& codCamp);
    void Ok();
    void Renunt() { reject(); }

private:
    TReferintaCamp m_camp;
    QComboBox* m_onorez;
    QLineEdit* m_asociatCu;
};
