#pragma once

#include "db/depozit.h"

#include <QDialog>
#include <vector>

class QTreeWidget;

// One profile line as listed: its key, its editor caption and the two columns the user may change.
using TListaLiniiTProfil = std::vector<TLinieProfil>;

// Every profile line with whether it takes its similar field's value and its table.
class TConfigurareDiploma : public QDialog {
    Q_OBJECT
public:
    explicit TConfigurareDiploma(QWidget* parent = nullptr);

    QTreeWidget* VT() const { return m_vt; }
    const TListaLiniiTProfil& Linii() const { return m_linii; }

    void Incarca();
    void Modifica();

private:
    QTreeWidget* m_vt;
    TListaLiniiTProfil m_linii;
};
