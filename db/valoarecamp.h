#pragma once

#include <QString>

// A field reference: form code, page code and field code ("PV.FATA.C_NUME").
struct TReferintaCamp {
    QString Formular;
    QString Pagina;
    QString Camp;
};

// Splits "FORMULAR.PAG.CAMP"; a fourth part and later ones are dropped, nothing is trimmed.
TReferintaCamp DescompuneReferinta(const QString& text);
// A blank before every ASCII capital: "NumeElev" gives " Nume Elev".
QString SpatiereMajuscule(const QString& text);

// The text to show for a field of a record of `tabel` (pupils unless told), following the
// links between fields. Works inside a running transaction and leaves it running;
// otherwise starts one and rolls it back. Uses Q1, Q2 and Q3.
QString ValoareCamp(const TReferintaCamp& camp, int id, const QString& tabel = QStringLiteral("ELEVI"));
// Replaces every "{FORMULAR.PAG.CAMP}" of the expression by the field's value; the
// transaction must be running. Uses Q1, Q2 and Q3.
QString ParseExp(const QString& expresie, int id, const QString& tabel = QStringLiteral("ELEVI"));
