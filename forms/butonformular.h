#pragma once

#include <QDialog>
#include <QPointer>
#include <QPushButton>

class QTreeWidget;
class THandlerFormularDePrintat;

// The pupil list's button of one printable form: fills the form from the selected pupil and
// shows it. The form is created on the first press and kept for the later ones.
class TButonFormular : public QPushButton {
    Q_OBJECT
public:
    // `vt` is the pupil list's tree; every node carries its pupil's id.
    TButonFormular(const THandlerFormularDePrintat& handler, const QTreeWidget* vt, QWidget* parent);

    const THandlerFormularDePrintat& Handler() const { return m_handler; }
    QDialog* Formular() const { return m_formular; }

    void Apasa();

private:
    // Fills every text area of the form with the pupil's values (the forms engine's filling).
    void CompleteazaFormularul(int idElev);

    const THandlerFormularDePrintat& m_handler;
    const QTreeWidget* m_vt;
    QPointer<QDialog> m_formular;
};
