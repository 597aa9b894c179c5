#pragma once

#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <functional>
#include <optional>

class THandlerFormularDePrintat;

// The pupil list's button of one printable form: fills the form from the selected pupil and
// shows it. The form is created on the first press and kept for the later ones.
class TButonFormular : public QPushButton {
    Q_OBJECT
public:
    // `elevSelectat` gives the pupil the list has selected, if any.
    TButonFormular(const THandlerFormularDePrintat& handler, std::function<std::optional<int>()> elevSelectat,
                   QWidget* parent);

    const THandlerFormularDePrintat& Handler() const { return m_handler; }
    QDialog* Formular() const { return m_formular; }

    void Apasa();

private:
    const THandlerFormularDePrintat& m_handler;
    std::function<std::optional<int>()> m_elevSelectat;
    QPointer<QDialog> m_formular;
};
