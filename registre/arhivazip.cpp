#include "registre/arhivazip.h"

#include "registre/eroriregistru.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

TXmlParte::TXmlParte(QByteArray octeti) : m_octeti(std::move(octeti)), m_dispozitiv(&m_octeti)
{
    m_dispozitiv.open(QIODevice::ReadOnly);
    m_xml.setDevice(&m_dispozitiv);
}

TArhivaZip::TArhivaZip(const QByteArray& octeti, QString numeFisier)
    : m_numeFisier(std::move(numeFisier))
    , m_octeti(octeti)
    , m_dispozitiv(&m_octeti)
    , m_zip(std::make_unique<QuaZip>(&m_dispozitiv))
{
    if (!m_zip->open(QuaZip::mdUnzip))
        throw EroriRegistru::Deteriorat(m_numeFisier);
}

TArhivaZip::~TArhivaZip()
{
    m_zip->close();
}

bool TArhivaZip::Are(const QString& parte) const
{
    return m_zip->setCurrentFile(parte, QuaZip::csInsensitive);
}

QByteArray TArhivaZip::Citeste(const QString& parte) const
{
    if (!m_zip->setCurrentFile(parte, QuaZip::csInsensitive))
        return {};
    QuaZipFileInfo64 info;
    if (!m_zip->getCurrentFileInfo(&info))
        throw EroriRegistru::Deteriorat(m_numeFisier);
    if (info.isEncrypted())
        throw EroriRegistru::Parola(m_numeFisier);
    if (info.uncompressedSize > quint64(EroriRegistru::OctetiMaximiParte))
        throw EroriRegistru::PreaMare(m_numeFisier);
    QuaZipFile fisier(m_zip.get());
    if (!fisier.open(QIODevice::ReadOnly))
        throw EroriRegistru::Deteriorat(m_numeFisier);
    // The declared size may lie: read in pieces and stop at the bound.
    QByteArray continut;
    continut.reserve(qsizetype(std::min<quint64>(info.uncompressedSize, 16u << 20)));
    char bucata[65536];
    for (;;) {
        const qint64 citit = fisier.read(bucata, sizeof bucata);
        if (citit < 0)
            throw EroriRegistru::Deteriorat(m_numeFisier);
        if (citit == 0)
            break;
        if (continut.size() + citit > EroriRegistru::OctetiMaximiParte)
            throw EroriRegistru::PreaMare(m_numeFisier);
        continut.append(bucata, citit);
    }
    fisier.close();
    if (fisier.getZipError() != UNZ_OK)
        throw EroriRegistru::Deteriorat(m_numeFisier);
    return continut;
}
