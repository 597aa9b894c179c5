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

// The target is checked before the temporary file is reserved beside it.
TIesirePdf::TIesirePdf(const QString& tinta) : m_fisier((VerificaTintaPdf(tinta), tinta))
{
}

void TIesirePdf::Incheie()
{
    // The viewer preference goes in before the file is synced, checked and put in place; a
    // file cut short is left to the check, which refuses it.
    if (PdfComplet(CaleTemporara()))
        CereTiparireLaMarimeReala(CaleTemporara());
    m_fisier.Incheie(PdfComplet);
}
