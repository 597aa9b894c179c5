#include "fisierpdftest.h"

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
    const double punctePeMm = 72.0 / 25.4;
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), fisier, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        qFatal("pdftotext failed on %s", qPrintable(fisier));
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression cuvant(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QMap<QString, QRectF> cuvinte;
    for (auto it = cuvant.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        const QPointF stangaSus(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF dreaptaJos(m.captured(3).toDouble(), m.captured(4).toDouble());
        cuvinte.insert(m.captured(5), QRectF(stangaSus / punctePeMm, dreaptaJos / punctePeMm));
    }
    return cuvinte;
}

QImage PaginaPdf(const QString& fisier, int dpi)
{
    QTemporaryDir dosar;
    const QString radacina = dosar.filePath(QStringLiteral("pagina"));
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                    QStringLiteral("1"), QStringLiteral("-singlefile"), fisier, radacina});
    if (!pdftoppm.waitForFinished() || pdftoppm.exitCode() != 0)
        qFatal("pdftoppm failed on %s", qPrintable(fisier));
    return QImage(radacina + QStringLiteral(".pgm"));
}

QRect ZonaIntunecata(const QImage& imagine)
{
    QRect zona;
    for (int y = 0; y < imagine.height(); ++y)
        for (int x = 0; x < imagine.width(); ++x)
            if (qGray(imagine.pixel(x, y)) < 128)
                zona |= QRect(x, y, 1, 1);
    return zona;
}
