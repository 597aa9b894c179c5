#include "support/cuvintepdf.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const double PunctePeMm = 72.0 / 25.4;

QString Neescapat(QString text)
{
    return text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
}

} // namespace

QList<QList<TCuvantPdf>> CuvintePePagini(const QString& pdf)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    static const QRegularExpression element(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    QList<QList<TCuvantPdf>> pagini;
    for (auto it = element.globalMatch(QString::fromUtf8(pdftotext.readAllStandardOutput())); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(5).isNull() && m.captured(1).isNull()) {
            pagini.append(QList<TCuvantPdf>());
            continue;
        }
        const QPointF stangaSus(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF dreaptaJos(m.captured(3).toDouble(), m.captured(4).toDouble());
        pagini.last().append({Neescapat(m.captured(5)), QRectF(stangaSus / PunctePeMm, dreaptaJos / PunctePeMm)});
    }
    return pagini;
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
