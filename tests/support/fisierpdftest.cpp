#include "fisierpdftest.h"
#include "cuvintepdf.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

TFisierePdfTest::TFisierePdfTest()
{
    m_anterioara = InstaleazaCerereFisierPdf([this](const QString& titlu) {
        m_titluri << titlu;
        const QString fisier = m_fix ? m_raspunsFix : m_dosar.filePath(QStringLiteral("%1.pdf").arg(m_titluri.size()));
        m_fisiere << fisier;
        return fisier;
    });
}

TFisierePdfTest::~TFisierePdfTest()
{
    InstaleazaCerereFisierPdf(m_anterioara);
}

QString InfoPdf(const QString& fisier, const QString& camp)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {fisier});
    if (!pdfinfo.waitForFinished() || pdfinfo.exitCode() != 0)
        qFatal("pdfinfo failed on %s", qPrintable(fisier));
    for (const QString& linie : QString::fromUtf8(pdfinfo.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (linie.startsWith(camp + QLatin1Char(':')))
            return linie.mid(camp.size() + 1).trimmed();
    return QString();
}

QMap<QString, QRectF> CuvinteDinPdf(const QString& fisier)
{
    QMap<QString, QRectF> cuvinte;
    for (const QList<TCuvantPdf>& pagina : CuvintePePagini(fisier))
        for (const TCuvantPdf& cuvant : pagina)
            cuvinte.insert(cuvant.Text, cuvant.Cutie);
    return cuvinte;
}

