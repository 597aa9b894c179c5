#pragma once

#include <QWidget>
#include <functional>

class QLineEdit;
class QToolButton;
class TExcelSelectieColoana;

// A read-only edit with a drop-down button that opens the column-selection dialog of the
// sheet last read and, on OK, shows the letters of the chosen column.
class TAlegereColoana : public QWidget {
    Q_OBJECT
public:
    // The dialog over the sheet read last, or nullptr while no sheet has been read.
    using TDialogCurent = std::function<TExcelSelectieColoana*()>;

    explicit TAlegereColoana(TDialogCurent dialog, QWidget* parent = nullptr);

    QString Coloana() const;
    void Alege();
    // A column chosen before, for the same layout of sheet.
    void PuneColoana(const QString& litere);

    QLineEdit* Edit() const { return m_edit; }
    QToolButton* Buton() const { return m_buton; }

protected:
    bool eventFilter(QObject* obiect, QEvent* eveniment) override;

private:
    TDialogCurent m_dialog;
    QLineEdit* m_edit;
    QToolButton* m_buton;
};
