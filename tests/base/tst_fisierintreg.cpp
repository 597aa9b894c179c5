#include "base/eroare.h"
#include "base/fisierintreg.h"
#include "support/mesajeroare.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

QByteArray Citeste(const QString& cale)
{
    QFile f(cale);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<lipseste>");
}

// A PDF of many pages of text, large enough to meet any small limit.
void ScriePdf(const QString& cale, int pagini)
{
    QPdfWriter pdf(cale);
    QPainter pictor(&pdf);
    for (int p = 0; p < pagini; ++p) {
        if (p > 0)
            pdf.newPage();
        for (int rand = 0; rand < 40; ++rand)
            pictor.drawText(100, 200 + rand * 250, QStringLiteral("Pagina %1, randul %2: Ştefan Ţurcanu").arg(p).arg(rand));
    }
}

#ifdef Q_OS_UNIX
// Files of this process may not grow past `octeti`: every write beyond fails as on a full
// disk (EFBIG instead of ENOSPC), with no file system to mount.
class TLimitaFisiere {
public:
    explicit TLimitaFisiere(rlim_t octeti)
    {
        getrlimit(RLIMIT_FSIZE, &m_vechi);
        m_semnal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit noua = m_vechi;
        noua.rlim_cur = octeti;
        setrlimit(RLIMIT_FSIZE, &noua);
    }
    ~TLimitaFisiere()
    {
        setrlimit(RLIMIT_FSIZE, &m_vechi);
        std::signal(SIGXFSZ, m_semnal);
    }
    TLimitaFisiere(const TLimitaFisiere&) = delete;
    TLimitaFisiere& operator=(const TLimitaFisiere&) = delete;

private:
    rlimit m_vechi {};
    void (*m_semnal)(int) = nullptr;
};
#endif

} // namespace

// A file is replaced whole or not at all: a write that fails part-way, as on a full disk,
// leaves the previous file and no temporary beside it, and says so in Romanian.
class TestFisierIntreg : public QObject {
    Q_OBJECT
private slots:
    void pdfulTaiatNuInlocuiesteTinta();
    void octetiiNescrisiNuInlocuiescTinta();
    void pdfComplet();
};

void TestFisierIntreg::pdfulTaiatNuInlocuiesteTinta()
{
#ifndef Q_OS_UNIX
    QSKIP("the file size limit is a POSIX resource limit");
#else
    QTemporaryDir dosar;
    const QString tinta = dosar.filePath(QStringLiteral("certificate.pdf"));
    ScriePdf(tinta, 1);
    const QByteArray bun = Citeste(tinta);
    QVERIFY(PdfComplet(tinta));
    {
        // The PDF writer does not notice its writes failing: only the check of the written file can.
        TFisierIntreg fisier(tinta);
        const TLimitaFisiere limita(bun.size() * 2);
        ScriePdf(fisier.CaleTemporara(), 40);
        const QString mesaj = MesajulErorii([&] { fisier.Incheie(PdfComplet); });
        QCOMPARE(mesaj, QStringLiteral("Nu pot scrie fisierul %1: fisierul a fost scris incomplet (disc plin?). Fisierul "
                                       "anterior a fost pastrat.")
                            .arg(tinta));
    }
    QCOMPARE(Citeste(tinta), bun);
    QCOMPARE(QDir(dosar.path()).entryList(QDir::Files), QStringList{"certificate.pdf"});
    // With room on the disk the same document replaces the target.
    {
        TFisierIntreg fisier(tinta);
        ScriePdf(fisier.CaleTemporara(), 40);
        fisier.Incheie(PdfComplet);
    }
    QVERIFY(Citeste(tinta).size() > bun.size() * 2);
    QVERIFY(PdfComplet(tinta));
    QCOMPARE(QFile::permissions(tinta) & QFile::ReadOther, QFile::ReadOther);
    QCOMPARE(QDir(dosar.path()).entryList(QDir::Files), QStringList{"certificate.pdf"});
#endif
}

void TestFisierIntreg::octetiiNescrisiNuInlocuiescTinta()
{
#ifndef Q_OS_UNIX
    QSKIP("the file size limit is a POSIX resource limit");
#else
    QTemporaryDir dosar;
    const QString tinta = dosar.filePath(QStringLiteral("licenta.lic"));
    ScrieFisierIntreg(tinta, "vechi");
    QCOMPARE(Citeste(tinta), QByteArray("vechi"));
    {
        const TLimitaFisiere limita(4096);
        const QString mesaj = MesajulErorii([&] { ScrieFisierIntreg(tinta, QByteArray(100000, 'x')); });
        QVERIFY2(mesaj.startsWith(QStringLiteral("Nu pot scrie fisierul %1: ").arg(tinta)), qPrintable(mesaj));
        QVERIFY2(mesaj.endsWith(QStringLiteral(". Fisierul anterior a fost pastrat.")), qPrintable(mesaj));
        // A target that did not exist is not said to be kept.
        const QString nou = dosar.filePath(QStringLiteral("nou.lic"));
        const QString mesajNou = MesajulErorii([&] { ScrieFisierIntreg(nou, QByteArray(100000, 'x')); });
        QVERIFY2(mesajNou.startsWith(QStringLiteral("Nu pot scrie fisierul %1: ").arg(nou)), qPrintable(mesajNou));
        QVERIFY2(!mesajNou.contains(QStringLiteral("pastrat")), qPrintable(mesajNou));
    }
    QCOMPARE(Citeste(tinta), QByteArray("vechi"));
    QCOMPARE(QDir(dosar.path()).entryList(QDir::Files), QStringList{"licenta.lic"});
    // A folder that cannot take the temporary file fails before anything is written.
    const QString faraDosar = dosar.filePath(QStringLiteral("lipsa/x.pdf"));
    QVERIFY(MesajulErorii([&] { TFisierIntreg f(faraDosar); })
                .startsWith(QStringLiteral("Fisierul \"%1\" nu poate fi scris: ").arg(faraDosar)));
#endif
}

void TestFisierIntreg::pdfComplet()
{
    QTemporaryDir dosar;
    const QString cale = dosar.filePath(QStringLiteral("a.pdf"));
    ScriePdf(cale, 2);
    const QByteArray intreg = Citeste(cale);
    QVERIFY(PdfComplet(cale));
    // Cut anywhere, even just before its last line, a PDF is incomplete; padding after the
    // trailer is not.
    for (const qsizetype lungime : {qsizetype(0), qsizetype(5), intreg.size() / 2, intreg.lastIndexOf("%%EOF")}) {
        ScrieFisierIntreg(cale, intreg.left(lungime).isEmpty() ? QByteArray(" ") : intreg.left(lungime));
        QVERIFY2(!PdfComplet(cale), qPrintable(QString::number(lungime)));
    }
    ScrieFisierIntreg(cale, intreg + "\r\n\n");
    QVERIFY(PdfComplet(cale));
    ScrieFisierIntreg(cale, "%%EOF\n");
    QVERIFY(!PdfComplet(cale));
}

QTEST_MAIN(TestFisierIntreg)
#include "tst_fisierintreg.moc"
