#pragma once

#include <QDialog>

// Base of the print preview dialog: Arial 12 px, centred on the primary monitor's work
// area when created, without clamping.
class TTemplate : public QDialog {
    Q_OBJECT
public:
    explicit TTemplate(QWidget* parent = nullptr);

protected:
    // Called by a descendant once it has its size.
    void CentreazaPeEcranulPrincipal();
};
