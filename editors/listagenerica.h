#pragma once

#include "db/depozit.h"

#include <QDialog>
#include <vector>

class QTreeWidget;

using TLinieGenerica = TLinieAfisata;
using TListaLiniiGenerice = TLiniiAfisate;

// The records of one entity table other than the pupils, with Adauga, Modifica and Sterge.
class TListaGenerica : public QDialog {
    Q_OBJECT
public:
    explicit TListaGenerica(QWidget* parent = nullptr);

    QString NumeTabel;
    QTreeWidget* VT() const { return m_vt; }
    const TListaLiniiGenerice& Linii() const { return m_linii; }

    void Reincarca();
    void Adauga();
    void Modifica();
    void Sterge();

private:
    QTreeWidget* m_vt;
    TListaLiniiGenerice m_linii;
};
