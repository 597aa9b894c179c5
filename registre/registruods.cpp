#include "registre/registruods.h"

#include "registre/arhivazip.h"
#include "registre/eroriregistru.h"
#include "registre/formatnumar.h"
#include "registre/textcelula.h"

#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>

namespace {

const QString NsTabel = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString NsBirou = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString NsText = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");

int Repetare(const QXmlStreamAttributes& a, const QString& nume)
{
    const int n = a.value(NsTabel, nume).toInt();
    return std::max(n, 1);
}

// The text of one paragraph: its characters, spans and links, "text:s" runs of blanks, tabs
// and line breaks; notes inside it are not shown.
QString TextParagraf(QXmlStreamReader& xml)
{
    QString text;
    int adancime = 1;
    while (adancime > 0 && !xml.atEnd()) {
        const QXmlStreamReader::TokenType tip = xml.readNext();
        if (tip == QXmlStreamReader::Characters) {
            AdaugaLaCelula(text, xml.text());
        } else if (tip == QXmlStreamReader::EndElement) {
            --adancime;
        } else if (tip == QXmlStreamReader::StartElement) {
            const QStringView nume = xml.name();
            if (nume == QLatin1String("s")) {
                const int blancuri = std::clamp(xml.attributes().value(NsText, QStringLiteral("c")).toInt(), 1, 1000);
                AdaugaLaCelula(text, QString(blancuri, u' '));
                xml.skipCurrentElement();
            } else if (nume == QLatin1String("tab")) {
                AdaugaLaCelula(text, u"\t");
                xml.skipCurrentElement();
            } else if (nume == QLatin1String("line-break")) {
                AdaugaLaCelula(text, u"\n");
                xml.skipCurrentElement();
            } else if (nume == QLatin1String("note") || nume == QLatin1String("annotation")) {
                xml.skipCurrentElement();
            } else {
                ++adancime;
            }
        }
    }
    return text;
}

// A cell without paragraphs (some writers leave them out) shows its value.
QString TextDinValoare(const QXmlStreamAttributes& a)
{
    const QStringView tip = a.value(NsBirou, QStringLiteral("value-type"));
    if (tip == QLatin1String("string"))
        return a.value(NsBirou, QStringLiteral("string-value")).toString();
    if (tip == QLatin1String("date"))
        return a.value(NsBirou, QStringLiteral("date-value")).toString();
    if (tip == QLatin1String("time"))
        return a.value(NsBirou, QStringLiteral("time-value")).toString();
    if (tip == QLatin1String("boolean"))
        return a.value(NsBirou, QStringLiteral("boolean-value")) == QLatin1String("true") ? QStringLiteral("ADEVĂRAT")
                                                                                          : QStringLiteral("FALS");
    bool ok = false;
    const double valoare = a.value(NsBirou, QStringLiteral("value")).toDouble(&ok);
    return ok ? TextNumeric(valoare, TFormatNumar(), false) : QString();
}

QString TextCelula(QXmlStreamReader& xml)
{
    const QXmlStreamAttributes atribute = xml.attributes();
    QString text;
    bool faraParagrafe = true;
    int adancime = 1;
    while (adancime > 0 && !xml.atEnd()) {
        const QXmlStreamReader::TokenType tip = xml.readNext();
        if (tip == QXmlStreamReader::EndElement) {
            --adancime;
        } else if (tip == QXmlStreamReader::StartElement) {
            if (xml.name() == QLatin1String("p") || xml.name() == QLatin1String("h")) {
                if (!faraParagrafe)
                    AdaugaLaCelula(text, u"\n");
                AdaugaLaCelula(text, TextParagraf(xml));
                faraParagrafe = false;
            } else if (xml.name() == QLatin1String("annotation")) {
                xml.skipCurrentElement();
            } else {
                ++adancime;
            }
        }
    }
    if (faraParagrafe)
        return TextDinValoare(atribute);
    // A number typed as a CNP reads as its 13 digits, whatever the cell shows.
    bool ok = false;
    const double valoare = atribute.value(NsBirou, QStringLiteral("value")).toDouble(&ok);
    if (ok && valoare >= 1e12 && valoare < 1e13 && valoare == std::floor(valoare))
        return QString::number(qint64(valoare));
    return text;
}

class TCititorTabel {
public:
    TCititorTabel(QXmlStreamReader& xml, TFoaie& foaie)
        : m_xml(xml), m_foaie(foaie) {}

    void CitesteRand()
    {
        const int repetari = Repetare(m_xml.attributes(), QStringLiteral("number-rows-repeated"));
        std::vector<std::pair<int, QString>> celule;
        int coloana = 0;
        while (m_xml.readNextStartElement()) {
            const bool acoperita = m_xml.name() == QLatin1String("covered-table-cell");
            if (!acoperita && m_xml.name() != QLatin1String("table-cell")) {
                m_xml.skipCurrentElement();
                continue;
            }
            const int repetariColoana = Repetare(m_xml.attributes(), QStringLiteral("number-columns-repeated"));
            const QString text = TextCuratat(TextCelula(m_xml));
            for (int k = 0; !acoperita && !text.isEmpty() && k < repetariColoana && coloana + k < TFoaie::ColoaneMaxime; ++k)
                celule.emplace_back(coloana + k, text);
            coloana = int(std::min<qint64>(qint64(coloana) + repetariColoana, TFoaie::ColoaneMaxime));
        }
        if (celule.empty()) {
            m_rand = int(std::min<qint64>(qint64(m_rand) + repetari, TFoaie::RanduriMaxime));
            return;
        }
        for (int k = 0; k < repetari && m_rand < TFoaie::RanduriMaxime; ++k, ++m_rand)
            for (const auto& [c, text] : celule)
                m_foaie.Pune(m_rand, c, text);
    }

    // Rows may sit inside header-row, row-group and rows elements, nested; groups nested
    // deeper than any spreadsheet writes are skipped rather than followed down the stack.
    void Citeste(int adancime = 0)
    {
        while (m_xml.readNextStartElement()) {
            const QStringView nume = m_xml.name();
            if (nume == QLatin1String("table-row"))
                CitesteRand();
            else if (adancime < 32 && (nume == QLatin1String("table-header-rows") ||
                                       nume == QLatin1String("table-row-group") || nume == QLatin1String("table-rows")))
                Citeste(adancime + 1);
            else
                m_xml.skipCurrentElement();
        }
    }

private:
    QXmlStreamReader& m_xml;
    TFoaie& m_foaie;
    int m_rand = 0;
};

} // namespace

TRegistruOds::TRegistruOds(const QByteArray& octeti, const QString& numeFisier)
{
    const TArhivaZip zip(octeti, numeFisier);
    if (zip.Citeste(QStringLiteral("META-INF/manifest.xml")).contains("encryption-data"))
        throw EroriRegistru::Parola(numeFisier);
    TXmlParte continut(zip.Citeste(QStringLiteral("content.xml")));
    QXmlStreamReader& xml = continut.Xml();
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("table") ||
            xml.namespaceUri() != NsTabel)
            continue;
        m_foi.emplace_back(xml.attributes().value(NsTabel, QStringLiteral("name")).toString());
        TCititorTabel(xml, m_foi.back()).Citeste();
    }
    if (xml.hasError())
        throw EroriRegistru::Deteriorat(numeFisier);
    if (m_foi.empty())
        throw EroriRegistru::FaraFoi(numeFisier);
}

QStringList TRegistruOds::Foi() const
{
    QStringList nume;
    for (const TFoaie& f : m_foi)
        nume << f.Nume();
    return nume;
}

TFoaie TRegistruOds::CitesteFoaie(int indice)
{
    return m_foi[size_t(indice)];
}
