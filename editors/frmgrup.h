#pragma once

#include <QFrame>
#include <QList>

class QLabel;

// A titled, bordered group of editors on the record editor page.
class TFrmGrup : public QFrame {
    Q_OBJECT
public:
    explicit TFrmGrup(const QString& numeGrup, QWidget* parent = nullptr);

    QString NumeGrup;
    QFrame* RzPanel1() const { return m_panel; }
    QLabel* EtichetaGrup() const { return m_titlu; }
    // Receives the group's editors and line panels, one below the other.
    QWidget* PanelSuport() const { return m_suport; }

    // Height that shows every control of the group: theirs, the title's and 16 pixels.
    void AjusteazaInaltimea();

private:
    QFrame* m_panel;
    QLabel* m_titlu;
    QWidget* m_suport;
};

// The group boxes of one page while it is built; not owned.
using TListaFrmGrup = QList<TFrmGrup*>;
