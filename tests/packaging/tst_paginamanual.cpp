// The manual page documents every option the program accepts, and no option it has not.
#include "support/procestest.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QSet<QString> Optiuni(const QString& text, const QString& prefix)
{
    QSet<QString> optiuni;
    const QRegularExpression optiune(QRegularExpression::escape(prefix) + "([a-z][a-z0-9]*(?:\\\\?-[a-z0-9]+)*)");
    for (auto it = optiune.globalMatch(text); it.hasNext();)
        optiuni << it.next().captured(1).remove('\\');
    return optiuni;
}

// The options column of "--help": each line's text before the description.
QSet<QString> OptiuniDinAjutor(const QString& ajutor)
{
    QSet<QString> optiuni;
    for (const QString& linie : ajutor.split('\n'))
        if (linie.startsWith("  -"))
            optiuni += Optiuni(linie.trimmed().section(QRegularExpression("\\s{2,}"), 0, 0), "--");
    return optiuni;
}

} // namespace

class TestPaginaManual : public QObject {
    Q_OBJECT
private slots:
    void fiecareOptiuneEsteDescrisa();
};

void TestPaginaManual::fiecareOptiuneEsteDescrisa()
{
    QTemporaryDir dosar;
    const TRezultatProces ajutor = RuleazaProgramul({"--help"}, dosar.path());
    QCOMPARE(ajutor.CodIesire, 0);
    const QSet<QString> acceptate = OptiuniDinAjutor(ajutor.Iesire);
    QVERIFY2(acceptate.contains("init-db") && acceptate.contains("version"), qPrintable(ajutor.Iesire));

    QFile fisier(PRAVENT_SOURCE_DIR "/packaging/pravent.1");
    QVERIFY(fisier.open(QIODevice::ReadOnly));
    const QString pagina = QString::fromUtf8(fisier.readAll());
    const int inceput = pagina.indexOf("\n.SH OPTIONS\n");
    QVERIFY(inceput >= 0);
    const QString sectiune = pagina.mid(inceput, pagina.indexOf("\n.SH ", inceput + 1) - inceput);

    QStringList nedescrise = (acceptate - Optiuni(sectiune, "\\-\\-")).values();
    nedescrise.sort();
    QVERIFY2(nedescrise.isEmpty(), qPrintable("not in the manual page: --" + nedescrise.join(", --")));

    // Each paragraph's tag, the line after .TP, names options the program has.
    QSet<QString> inEtichete;
    const QStringList linii = sectiune.split('\n');
    for (int i = 0; i + 1 < linii.size(); ++i)
        if (linii[i] == QLatin1String(".TP"))
            inEtichete += Optiuni(linii[i + 1], "\\-\\-");
    QStringList inPlus = (inEtichete - acceptate).values();
    inPlus.sort();
    QVERIFY2(inPlus.isEmpty(), qPrintable("the program has no option --" + inPlus.join(", --")));
}

QTEST_GUILESS_MAIN(TestPaginaManual)
#include "tst_paginamanual.moc"
