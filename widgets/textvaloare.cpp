#include "widgets/textvaloare.h"

#include "base/eroare.h"
#include "base/datainlitere.h"
#include "base/formatarenumere.h"

QString FormateazaSutimi(qint64 sutimi)
{
    // Unsigned, so that the most negative count has an absolute value too.
    const quint64 absolut = sutimi < 0 ? 0 - static_cast<quint64>(sutimi) : static_cast<quint64>(sutimi);
    const QString text = QStringLiteral("%1,%2").arg(absolut / 100).arg(absolut % 100, 2, 10, QLatin1Char('0'));
    return sutimi < 0 ? u'-' + text : text;
}

QString FormateazaValoare(const TBrvValoareDate& valoare)
{
    switch (valoare.TipValoare()) {
    case TBrvValoareDate::TipSuma:
        return FormateazaSuma(2, valoare.Suma());
    case TBrvValoareDate::TipIntreg:
        return QString::number(valoare.Intreg());
    case TBrvValoareDate::TipSutimi:
        return FormateazaSutimi(valoare.Sutimi());
    case TBrvValoareDate::TipText:
        return valoare.Text();
    case TBrvValoareDate::TipDataFaraAn:
        return DataZiLuna(valoare.DataFaraAn());
    case TBrvValoareDate::TipDataCuAn:
        return DataScurta(valoare.DataCuAn());
    case TBrvValoareDate::TipDataLunga:
        return DataInLitere(valoare.DataLunga());
    default:
        throw EEroare(QStringLiteral("Bug! Nu stiu citi tipul de date!"));
    }
}
