#pragma once

#include <QList>
#include <QString>
#include <QStringList>

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

// A field's codes as the engine compares them (trailing blanks ignored), as one key.
QString CheieComparata(const QString& formular, const QString& pagina, const QString& camp);
QString CheieComparata(const TReferintaCamp& ref);

// The text to show for a field of a record of `tabel` (pupils unless told), following the
// links between fields. Works inside a running transaction and leaves it running;
// otherwise starts one and rolls it back. Uses Q1, Q2 and Q3.
QString ValoareCamp(const TReferintaCamp& camp, int id, const QString& tabel = QStringLiteral("ELEVI"));
// Replaces every "{FORMULAR.PAG.CAMP}" of the expression by the field's value; the
// transaction must be running. Uses Q1, Q2 and Q3.
QString ParseExp(const QString& expresie, int id, const QString& tabel = QStringLiteral("ELEVI"));
// ParseExp for every record of `tabel` in the order given, in a few statements whatever
// their number: the profile and the values the expression needs are read once for all of
// them. The same text as ParseExp of each; the transaction must be running. Uses Q1.
QStringList ParseExpInregistrari(const QString& expresie, const QList<int>& iduri,
                                 const QString& tabel = QStringLiteral("ELEVI"));
