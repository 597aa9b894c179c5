#include "print/exportregistru.h"

#include "base/eroare.h"
#include "base/fisierintreg.h"
#include "certificat/arietext.h"
#include "certificat/desenarepagina.h"
#include "db/tdm.h"
#include "db/valoarecamp.h"
#include "forms/imprimantaqt.h"
#include "print/documenttiparit.h"
#include "print/registruxlsx.h"

#include <QFileInfo>

#include <memory>

namespace {

struct TColoana {
    double LatimeMm;
    Qt::Alignment Aliniere;
};

// Nr., date, name, CNP, card, kind, signature: 180 mm between margins of 15 mm.
const TColoana Coloane[] = {{14, Qt::AlignHCenter}, {20, Qt::AlignHCenter}, {46, Qt::AlignLeft},
                            {28, Qt::AlignHCenter}, {24, Qt::AlignHCenter}, {20, Qt::AlignHCenter},
                            {28, Qt::AlignLeft}};
constexpr double LatimeA4 = 210;
constexpr double InaltimeA4 = 297;
constexpr double Margine = 15;
constexpr double SusTabel = 34;
constexpr double InaltimeRand = 7;
constexpr int RanduriPePagina = 34;
const QString ColoanaPrimitor = QStringLiteral("Primitor");

QString DataAfisata(const QDate& data)
{
    return data.toString(QStringLiteral("dd.MM.yyyy"));
}

QString FelAfisat(const TIntrareRegistru& intrare)
{
    return intrare.Stare == TStareCertificat::Anulat ? TextFel(intrare.Fel) + QStringLiteral(", anulat")
                                                      : TextFel(intrare.Fel);
}

QString ValoareCsv(const QString& valoare)
{
    if (!valoare.contains(u';') && !valoare.contains(u'"') && !valoare.contains(u'\n') && !valoare.contains(u'\r'))
        return valoare;
    QString dublat = valoare;
    return u'"' + dublat.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

TArieUmpluta Celula(double stanga, double sus, double latime, const QString& text, Qt::Alignment aliniere,
                    double marime = 3.2, int greutate = 400)
{
    return ArieText(QRectF(stanga + 1, sus + 1, latime - 2, InaltimeRand - 2), text, QStringLiteral("Arial"), marime,
                    aliniere | Qt::AlignVCenter, greutate);
}

void RandTabel(TPaginaUmpluta& pagina, double sus, const QStringList& valori, int greutate)
{
    double stanga = Margine;
    for (int i = 0; i < valori.size(); ++i) {
        pagina.Arii.append(Celula(stanga, sus, Coloane[i].LatimeMm, valori.at(i), Coloane[i].Aliniere, 3.2, greutate));
        stanga += Coloane[i].LatimeMm;
    }
}

// The table's rules are drawn beside the renderer's text, at the same place on paper.
void DeseneazaRigle(QPainter& pictor, const TMasuriDispozitiv& m, int randuri)
{
    const auto x = [&m](double mm) { return mm * m.HorzRes / m.HorzSize - m.PhysicalOffsetX; };
    const auto y = [&m](double mm) { return mm * m.VertRes / m.VertSize - m.PhysicalOffsetY; };
    pictor.save();
    pictor.setPen(QPen(Qt::black, 0.2 * m.HorzRes / m.HorzSize));
    const double jos = SusTabel + InaltimeRand * (randuri + 1);
    for (int r = 0; r <= randuri + 1; ++r)
        pictor.drawLine(QPointF(x(Margine), y(SusTabel + r * InaltimeRand)),
                        QPointF(x(LatimeA4 - Margine), y(SusTabel + r * InaltimeRand)));
    double stanga = Margine;
    pictor.drawLine(QPointF(x(stanga), y(SusTabel)), QPointF(x(stanga), y(jos)));
    for (const TColoana& coloana : Coloane) {
        stanga += coloana.LatimeMm;
        pictor.drawLine(QPointF(x(stanga), y(SusTabel)), QPointF(x(stanga), y(jos)));
    }
    pictor.restore();
}

} // namespace

QStringList CapTabelRegistru()
{
    return {QStringLiteral("Nr. inreg."),      QStringLiteral("Data"), QStringLiteral("Numele si prenumele"),
            QStringLiteral("CNP"),      QStringLiteral("Seria si nr."), QStringLiteral("Fel")};
}

QStringList RandRegistru(const TIntrareRegistru& intrare)
{
    return {QString::number(intrare.NrInregistrare),
            DataAfisata(intrare.DataInregistrare),
            intrare.Nume,
            intrare.Cnp,
            intrare.Seria + u' ' + NumarCartonAfisat(intrare.Numar),
            FelAfisat(intrare)};
}

QByteArray RegistruCsv(const std::vector<TIntrareRegistru>& intrari)
{
    QStringList linii;
    linii << (CapTabelRegistru() << ColoanaPrimitor).join(u';');
    for (const TIntrareRegistru& intrare : intrari) {
        QStringList valori;
        const QStringList rand = RandRegistru(intrare) << intrare.Primitor;
        for (const QString& valoare : rand)
            valori << ValoareCsv(valoare);
        linii << valori.join(u';');
    }
    return QByteArray("\xEF\xBB\xBF") + linii.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

QString ScoalaRegistrului(const std::vector<TIntrareRegistru>& intrari)
{
    if (intrari.empty())
        return QString();
    TGardaTranzactie tr(DM().Tr(), TTipTranzactie::Citire);
    return ValoareCamp({QStringLiteral("PV"), QStringLiteral("FATA"), QStringLiteral("D_UNITATEA")},
                       intrari.back().IdElev)
        .simplified();
}

void TiparesteRegistrul(TDocumentTiparit& document, const std::vector<TIntrareRegistru>& intrari, const QString& scoala)
{
    const int pagini = std::max(1, static_cast<int>((intrari.size() + RanduriPePagina - 1) / RanduriPePagina));
    TImprimantaQt imprimanta(document.Imprimanta(), document.Pictor());
    const TMasuriDispozitiv masuri = MasuriImprimanta(document.Imprimanta());
    for (int p = 0; p < pagini; ++p) {
        if (p > 0)
            document.Imprimanta().newPage();
        TPaginaUmpluta pagina;
        pagina.LatimeMm = LatimeA4;
        pagina.InaltimeMm = InaltimeA4;
        pagina.Arii.append(Celula(Margine, 12, 130, scoala, Qt::AlignLeft, 4.0, 700));
        pagina.Arii.append(Celula(LatimeA4 - Margine - 40, 12, 40,
                                  QStringLiteral("Pagina %1 din %2").arg(p + 1).arg(pagini), Qt::AlignRight));
        pagina.Arii.append(Celula(Margine, 22, LatimeA4 - 2 * Margine,
                                  QStringLiteral("Registrul certificatelor de absolvire eliberate"), Qt::AlignHCenter,
                                  4.5, 700));
        RandTabel(pagina, SusTabel, CapTabelRegistru() << QStringLiteral("Semnatura primitorului"), 700);
        const int primul = p * RanduriPePagina;
        const int randuri = std::min(RanduriPePagina, static_cast<int>(intrari.size()) - primul);
        for (int r = 0; r < randuri; ++r)
            RandTabel(pagina, SusTabel + (r + 1) * InaltimeRand, RandRegistru(intrari.at(primul + r)) << QString(), 400);
        DeseneazaPeHartie(imprimanta, pagina, TAsezarePeHartie{});
        DeseneazaRigle(document.Pictor(), masuri, std::max(randuri, 0));
    }
}

void ExportaRegistrul(const QString& fisier, const std::vector<TIntrareRegistru>& intrari)
{
    const QString extensie = QFileInfo(fisier).suffix().toLower();
    if (extensie == QLatin1String("csv")) {
        ScrieFisierIntreg(fisier, RegistruCsv(intrari));
    } else if (extensie == QLatin1String("xlsx")) {
        std::vector<QStringList> randuri;
        for (const TIntrareRegistru& intrare : intrari)
            randuri.push_back(RandRegistru(intrare) << intrare.Primitor);
        ScrieFisierIntreg(fisier, RegistruXlsx(CapTabelRegistru() << ColoanaPrimitor, randuri, intrari));
    } else if (extensie == QLatin1String("pdf")) {
        const std::unique_ptr<TDocumentTiparit> document =
            TDocumentTiparit::InPdf(fisier, QStringLiteral("Registrul certificatelor"), true);
        TiparesteRegistrul(*document, intrari, ScoalaRegistrului(intrari));
        document->Incheie();
    } else {
        throw EEroare(QStringLiteral("Registrul se exporta in fisiere .csv, .xlsx sau .pdf, nu \"%1\".").arg(fisier));
    }
}
