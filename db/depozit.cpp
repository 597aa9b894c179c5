#include "db/depozit.h"

#include "db/identificator.h"
#include "db/tdm.h"
#include "db/valoarecamp.h"

// Which shared query object each function runs its statements on. Value resolution takes
// Q1-Q3, so a function that resolves values inside its own loop keeps that loop on another.
//
// | function              | query | why                                                   |
// |-----------------------|-------|-------------------------------------------------------|
// | CitesteLiniiAfisate   | Q5    | loops over the records while ParseExp uses Q1-Q3      |
// | ExistaElevul          | Q1    | a single lookup, nothing nested                       |

bool ExistaElevul(int idElev)
{
    TGardaTranzactie tr(DM().Tr());
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT ID_ELEVI FROM ELEVI WHERE ID_ELEVI=:ID_ELEVI"));
    q.ParamByName(QStringLiteral("ID_ELEVI"), idElev);
    q.Open();
    return !q.Eof();
}

TLiniiAfisate CitesteLiniiAfisate(const QString& tabel, const QString& expresie)
{
    const QString& t = NumeTabelVerificat(tabel);
    TLiniiAfisate linii;
    TGardaTranzactie tr(DM().Tr());
    TInterogare& q = DM().Q5();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("select id_%1 as \"ID\" from %1 order by id_%1").arg(t));
    for (q.Open(); !q.Eof(); q.Next()) {
        const int id = q.FieldByName(QStringLiteral("ID")).AsInteger();
        linii.push_back({id, ParseExp(expresie, id, t)});
    }
    return linii;
}

TLiniiAfisate LiniiFiltrate(const TLiniiAfisate& linii, const QString& cautat)
{
    if (cautat.trimmed().isEmpty())
        return linii;
    TLiniiAfisate filtrate;
    for (const TLinieAfisata& linie : linii)
        if (linie.Denumire.contains(cautat, Qt::CaseSensitive))
            filtrate.push_back(linie);
    return filtrate;
}
