#include "base/fisierintreg.h"

#include "base/eroare.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// The file's data on the disk, not only in the system's cache: a rename that outlives a power
// cut must not point at blocks that were never written.
bool Sincronizeaza(const QFile& fisier)
{
#ifdef Q_OS_WIN
    return ::_commit(fisier.handle()) == 0;
#else
    return ::fsync(fisier.handle()) == 0;
#endif
}

// The rename itself on the disk.
void SincronizeazaDosarul(const QString& dosar)
{
#ifndef Q_OS_WIN
    const int descriptor = ::open(QFile::encodeName(dosar).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
#else
    Q_UNUSED(dosar);
#endif
}

// Replaces the target in one step where the system allows it.
bool PuneInLoc(const QString& din, const QString& in)
{
    if (std::rename(QFile::encodeName(din).constData(), QFile::encodeName(in).constData()) == 0)
        return true;
    return QFile::remove(in) && QFile::rename(din, in);
}

} // namespace

TFisierIntreg::TFisierIntreg(QString tinta) : m_tinta(std::move(tinta))
{
    const QFileInfo info(m_tinta);
    QTemporaryFile temporar(info.absolutePath() + QLatin1Char('/') + info.fileName() + QStringLiteral(".XXXXXX.tmp"));
    temporar.setAutoRemove(false);
    if (!temporar.open())
        throw EEroare(QStringLiteral("Fisierul \"%1\" nu poate fi scris: %2.").arg(m_tinta, temporar.errorString()));
    m_temporar = temporar.fileName();
    m_fisier.setFileName(m_temporar);
}

TFisierIntreg::~TFisierIntreg()
{
    m_fisier.close();
    if (!m_incheiat)
        QFile::remove(m_temporar);
}

void TFisierIntreg::Esec(const QString& cauza)
{
    m_fisier.close();
    QFile::remove(m_temporar);
    const QString pastrat = QFile::exists(m_tinta) ? QStringLiteral(" Fisierul anterior a fost pastrat.") : QString();
    throw EEroare(QStringLiteral("Nu pot scrie fisierul %1: %2.%3").arg(m_tinta, cauza, pastrat));
}

void TFisierIntreg::Scrie(const QByteArray& octeti)
{
    if (!m_fisier.isOpen() && !m_fisier.open(QIODevice::WriteOnly | QIODevice::Truncate))
        Esec(m_fisier.errorString());
    if (m_fisier.write(octeti) != octeti.size())
        Esec(m_fisier.errorString());
}

void TFisierIntreg::Incheie(const TVerificare& complet)
{
    // A buffered write that did not reach the disk fails only here.
    if (m_fisier.isOpen() && !m_fisier.flush())
        Esec(m_fisier.errorString());
    if (!m_fisier.isOpen() && !m_fisier.open(QIODevice::ReadOnly))
        Esec(m_fisier.errorString());
    if (!Sincronizeaza(m_fisier))
        Esec(QString::fromLocal8Bit(std::strerror(errno)));
    m_fisier.close();
    if (QFileInfo(m_temporar).size() <= 0 || (complet && !complet(m_temporar)))
        Esec(QStringLiteral("fisierul a fost scris incomplet (disc plin?)"));
    // The reserved name is private to its owner; the file is for others to read too.
    QFile::setPermissions(m_temporar, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (!PuneInLoc(m_temporar, m_tinta))
        Esec(QStringLiteral("fisierul existent nu poate fi inlocuit"));
    m_incheiat = true;
    SincronizeazaDosarul(QFileInfo(m_tinta).absolutePath());
}

bool PdfComplet(const QString& cale)
{
    QFile fisier(cale);
    if (!fisier.open(QIODevice::ReadOnly))
        return false;
    if (!fisier.read(5).startsWith("%PDF-"))
        return false;
    // The trailer's "%%EOF" closes the file, give or take a line end and padding.
    constexpr qint64 Coada = 1024;
    if (fisier.size() > Coada && !fisier.seek(fisier.size() - Coada))
        return false;
    return fisier.readAll().trimmed().endsWith("%%EOF");
}

void ScrieFisierIntreg(const QString& tinta, const QByteArray& octeti)
{
    TFisierIntreg fisier(tinta);
    fisier.Scrie(octeti);
    fisier.Incheie();
}

void CopiazaFisierIntreg(const QString& sursa, const QString& tinta, const TFisierIntreg::TVerificare& complet)
{
    QFile intrare(sursa);
    if (!intrare.open(QIODevice::ReadOnly))
        throw EEroare(QStringLiteral("Nu pot citi fisierul %1: %2.").arg(sursa, intrare.errorString()));
    TFisierIntreg copie(tinta);
    constexpr qint64 Bucata = 1 << 20;
    while (!intrare.atEnd()) {
        const QByteArray bucata = intrare.read(Bucata);
        if (bucata.isEmpty() && intrare.error() != QFileDevice::NoError)
            throw EEroare(QStringLiteral("Nu pot citi fisierul %1: %2.").arg(sursa, intrare.errorString()));
        copie.Scrie(bucata);
    }
    copie.Incheie(complet);
}
