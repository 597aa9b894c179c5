#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class TInterogare;

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
    void LeagaCheia(TInterogare& q) const;

    QString m_codFormular, m_codPagina, m_codCamp;
    QComboBox* m_onorez;
    QLineEdit* m_asociatCu;
};
