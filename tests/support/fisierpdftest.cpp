#include "fisierpdftest.h"

#include <QProcess>
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
