#pragma once

#include <QColor>
#include <QString>

class QDialog;
class QPixmap;
class QPushButton;
class QWidget;

struct TButoaneAsistent {
    QPushButton* Inapoi;
    QPushButton* Inainte;
    QPushButton* Renunt;
};

// Lays a wizard out: a white band with its title (bold; in culoareTitlu when given) and a
// picture at the right, the pages under it, and "Inapoi", "Inainte" and "Renunt" at the
// bottom right, none of them taking Enter for itself. The caller connects the buttons.
TButoaneAsistent AseazaAsistent(QDialog& dialog, QWidget* pagini, const QString& titlu, const QPixmap& imagine,
                                const QColor& culoareTitlu = QColor());
