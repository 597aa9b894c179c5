#include "print/iesirepdf.h"

#include "base/brvregistryclass.h"
#include "base/dosardate.h"
#include "base/eroare.h"
#include "db/blocareinstanta.h"
#include "db/copiibaza.h"
#include "print/marimerealapdf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>
#include <cstdio>

namespace {

// The path a file has or would have, with links and "." / ".." resolved.
QString CaleReala(const QString& cale)
{
    const QFileInfo info(cale);
    if (info.exists())
        return info.canonicalFilePath();
    const QString dosar = info.absoluteDir().canonicalPath();
    return dosar.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : dosar + QLatin1Char('/') + info.fileName();
}

struct TFisierProtejat {
    QString Cale;
    const char* Ce;
};

QList<TFisierProtejat> FisiereleProgramului()
{
    return {{CaleBazaDeDateProfil(), "baza de date a programului"},
            {CaleSablonBazaDeDate(), "sablonul bazei de date"},
            {CaleInDosarDate(QStringLiteral("licenta.lic")), "fisierul cu corecturile textelor"},
            {DeschideSetari().fileName(), "fisierul cu setarile programului"},
            {TBlocareInstanta::Cale(), "fisierul de blocare al programului"}};
}

bool InDosar(const QString& cale, const QString& dosar)
{
    return !dosar.isEmpty() && cale.startsWith(dosar + QLatin1Char('/'));
}

void Refuza(const QString& tinta, const char* ce)
{
    throw EEroare(QStringLiteral("Fisierul \"%1\" este %2 si nu poate fi folosit pentru PDF; alegeti alt fisier.")
                      .arg(tinta, QString::fromUtf8(ce)));
}

// Replaces the target in one step where the system allows it.
bool PuneInLoc(const QString& din, const QString& in)
{
    if (std::rename(QFile::encodeName(din).constData(), QFile::encodeName(in).constData()) == 0)
        return true;
    return QFile::remove(in) && QFile::rename(din, in);
}

} // namespace

void VerificaTintaPdf(const QString& tinta)
{
    if (tinta.trimmed().isEmpty())
        throw EEroare(QStringLiteral("Nu ati dat numele fisierului PDF."));
    const QString reala = CaleReala(tinta);
    if (QFileInfo(reala).isDir())
        throw EEroare(QStringLiteral("\"%1\" este un dosar, nu un fisier PDF.").arg(tinta));
    for (const TFisierProtejat& fisier : FisiereleProgramului())
        if (reala == CaleReala(fisier.Cale))
            Refuza(tinta, fisier.Ce);
    if (InDosar(reala, CaleReala(QFileInfo(CaleBazaDeDateProfil()).absolutePath())))
        Refuza(tinta, "in dosarul bazei de date a programului");
}

TIesirePdf::TIesirePdf(const QString& tinta) : m_tinta(tinta)
{
    VerificaTintaPdf(tinta);
    const QFileInfo info(tinta);
    QTemporaryFile temporar(info.absolutePath() + QLatin1Char('/') + info.fileName() + QStringLiteral(".XXXXXX.tmp"));
    temporar.setAutoRemove(false);
    if (!temporar.open())
        throw EEroare(QStringLiteral("Fisierul \"%1\" nu poate fi scris: %2").arg(tinta, temporar.errorString()));
    m_temporar = temporar.fileName();
}

TIesirePdf::~TIesirePdf()
{
    if (!m_incheiat)
        QFile::remove(m_temporar);
}

void TIesirePdf::Incheie()
{
    if (QFileInfo(m_temporar).size() <= 0)
        throw EEroare(QStringLiteral("Fisierul \"%1\" nu a putut fi scris (disc plin?); fisierul anterior a fost "
                                     "pastrat.")
                          .arg(m_tinta));
    CereTiparireLaMarimeReala(m_temporar);
    // The reserved name is private to its owner; a PDF is for others to read too.
    QFile::setPermissions(m_temporar, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (!PuneInLoc(m_temporar, m_tinta))
        throw EEroare(QStringLiteral("Fisierul \"%1\" nu poate fi inlocuit.").arg(m_tinta));
    m_incheiat = true;
}
