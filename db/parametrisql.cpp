#include "db/parametrisql.h"

namespace {

bool EsteCaracterDeNume(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

} // namespace

TSqlPozitional ParametriPozitionali(const QString& sql)
{
    TSqlPozitional rezultat;
    QChar ghilimea; // the quote we are inside, or null outside quotes
    for (int i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (!ghilimea.isNull()) {
            if (c == ghilimea)
                ghilimea = QChar();
            rezultat.Text += c;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            ghilimea = c;
            rezultat.Text += c;
        } else if (c == QLatin1Char(':') && i + 1 < sql.size() && EsteCaracterDeNume(sql.at(i + 1))) {
            int sfarsit = i + 1;
            while (sfarsit < sql.size() && EsteCaracterDeNume(sql.at(sfarsit)))
                ++sfarsit;
            rezultat.Nume.append(sql.mid(i + 1, sfarsit - i - 1).toUpper());
            rezultat.Text += QLatin1Char('?');
            i = sfarsit - 1;
        } else {
            rezultat.Text += c;
        }
    }
    return rezultat;
}
