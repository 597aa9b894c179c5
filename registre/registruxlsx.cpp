#include "registre/registruxlsx.h"

#include "registre/eroriregistru.h"
#include "registre/textcelula.h"

#include <QDateTime>
#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

// "_x000D_" and the like stand for characters XML cannot carry.
QString DecodeazaXstring(QString text)
{
    if (!text.contains(QLatin1String("_x")))
        return text;
    static const QRegularExpression cod(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    QString rezultat;
    qsizetype ultim = 0;
    for (auto it = cod.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        rezultat += QStringView(text).mid(ultim, m.capturedStart() - ultim);
        rezultat += QChar(char16_t(m.captured(1).toUShort(nullptr, 16)));
        ultim = m.capturedEnd();
    }
    rezultat += QStringView(text).mid(ultim);
    return rezultat;
}

// The text of a string item (<si> or <is>): its <t> and the <t> of its runs, phonetic runs left out.
QString TextSir(QXmlStreamReader& xml)
{
    QString text;
    int adancime = 1;
    while (adancime > 0 && !xml.atEnd()) {
        const QXmlStreamReader::TokenType tip = xml.readNext();
        if (tip == QXmlStreamReader::EndElement) {
            --adancime;
        } else if (tip == QXmlStreamReader::StartElement) {
            if (xml.name() == QLatin1String("t"))
                AdaugaLaCelula(text, xml.readElementText(QXmlStreamReader::IncludeChildElements));
            else if (xml.name() == QLatin1String("rPh"))
                xml.skipCurrentElement();
            else
                ++adancime;
        }
    }
    return DecodeazaXstring(text);
}

QString RezolvaTinta(const QString& dosar, const QString& tinta)
{
    if (tinta.startsWith(u'/'))
        return tinta.mid(1);
    return QDir::cleanPath(dosar.isEmpty() ? tinta : dosar + u'/' + tinta);
}

QString DosarParte(const QString& parte)
{
    const qsizetype bara = parte.lastIndexOf(u'/');
    return bara < 0 ? QString() : parte.left(bara);
}

QString ParteRelatii(const QString& parte)
{
    const qsizetype bara = parte.lastIndexOf(u'/');
    return parte.left(bara + 1) + QStringLiteral("_rels/") + parte.mid(bara + 1) + QStringLiteral(".rels");
}

struct TRelatie {
    QString Tip;
    QString Tinta;
};

bool Adevarat(QStringView valoare)
{
    return valoare == QLatin1String("1") || valoare == QLatin1String("true");
}

// Serial of an ISO 8601 date-time, as cells of type "d" store it.
double SerialDinIso(const QString& text, bool sistem1904)
{
    QDateTime moment = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!moment.isValid())
        moment = QDateTime(QDate::fromString(text.left(10), Qt::ISODate), QTime(0, 0));
    if (!moment.isValid())
        return -1;
    moment.setTimeSpec(Qt::UTC);
    const QDateTime baza(sistem1904 ? QDate(1904, 1, 1) : QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    return double(baza.msecsTo(moment)) / 86400000.0;
}

} // namespace

TRegistruXlsx::TRegistruXlsx(const QByteArray& octeti, const QString& numeFisier)
    : m_numeFisier(numeFisier)
    , m_zip(octeti, numeFisier)
{
    QString registru = QStringLiteral("xl/workbook.xml");
    TXmlParte parteRelatii = CitesteXml(QStringLiteral("_rels/.rels"));
    QXmlStreamReader& relatii = parteRelatii.Xml();
    while (!relatii.atEnd()) {
        if (relatii.readNext() == QXmlStreamReader::StartElement && relatii.name() == QLatin1String("Relationship") &&
            relatii.attributes().value(QLatin1String("Type")).endsWith(QLatin1String("/officeDocument")))
            registru = RezolvaTinta(QString(), relatii.attributes().value(QLatin1String("Target")).toString());
    }
    if (!m_zip.Are(registru))
        throw EroriRegistru::Deteriorat(m_numeFisier);
    CitesteRegistrul(registru);
    if (m_foi.empty())
        throw EroriRegistru::FaraFoi(m_numeFisier);
}

TXmlParte TRegistruXlsx::CitesteXml(const QString& parte) const
{
    return TXmlParte(m_zip.Citeste(parte));
}

void TRegistruXlsx::CitesteRegistrul(const QString& parte)
{
    QHash<QString, TRelatie> relatii;
    {
        TXmlParte parteXml = CitesteXml(ParteRelatii(parte));
        QXmlStreamReader& xml = parteXml.Xml();
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("Relationship")) {
                const QXmlStreamAttributes a = xml.attributes();
                relatii.insert(a.value(QLatin1String("Id")).toString(),
                               {a.value(QLatin1String("Type")).toString(),
                                RezolvaTinta(DosarParte(parte), a.value(QLatin1String("Target")).toString())});
            }
        }
    }
    QString siruri;
    QString stiluri;
    for (const TRelatie& r : relatii) {
        if (r.Tip.endsWith(QLatin1String("/sharedStrings")))
            siruri = r.Tinta;
        else if (r.Tip.endsWith(QLatin1String("/styles")))
            stiluri = r.Tinta;
    }
    TXmlParte parteXml = CitesteXml(parte);
    QXmlStreamReader& xml = parteXml.Xml();
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("workbookPr")) {
            m_sistem1904 = Adevarat(xml.attributes().value(QLatin1String("date1904")));
        } else if (xml.name() == QLatin1String("sheet")) {
            QString id;
            for (const QXmlStreamAttribute& a : xml.attributes())
                if (a.name() == QLatin1String("id") && !a.namespaceUri().isEmpty())
                    id = a.value().toString();
            const TRelatie r = relatii.value(id);
            if (r.Tip.endsWith(QLatin1String("/worksheet")))
                m_foi.push_back({xml.attributes().value(QLatin1String("name")).toString(), r.Tinta});
        }
    }
    if (xml.hasError())
        throw EroriRegistru::Deteriorat(m_numeFisier);
    if (!siruri.isEmpty())
        CitesteSirurile(siruri);
    if (!stiluri.isEmpty())
        CitesteStilurile(stiluri);
}

void TRegistruXlsx::CitesteSirurile(const QString& parte)
{
    TXmlParte parteXml = CitesteXml(parte);
    QXmlStreamReader& xml = parteXml.Xml();
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("si"))
            continue;
        // More shared strings than a sheet may have cells: a small file claiming a huge table.
        if (m_siruri.size() >= TFoaie::CeluleMaxime)
            throw EroriRegistru::PreaMare(m_numeFisier);
        m_siruri << TextCuratat(TextSir(xml));
    }
    if (xml.hasError())
        throw EroriRegistru::Deteriorat(m_numeFisier);
}

void TRegistruXlsx::CitesteStilurile(const QString& parte)
{
    QHash<int, QString> formate;
    TXmlParte parteXml = CitesteXml(parte);
    QXmlStreamReader& xml = parteXml.Xml();
    bool inStiluriCelule = false;
    std::vector<int> iduri;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType tip = xml.readNext();
        if (tip == QXmlStreamReader::EndElement && xml.name() == QLatin1String("cellXfs"))
            inStiluriCelule = false;
        if (tip != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("numFmt"))
            formate.insert(a.value(QLatin1String("numFmtId")).toInt(), a.value(QLatin1String("formatCode")).toString());
        else if (xml.name() == QLatin1String("cellXfs"))
            inStiluriCelule = true;
        else if (xml.name() == QLatin1String("xf") && inStiluriCelule && iduri.size() < 65536)
            iduri.push_back(a.value(QLatin1String("numFmtId")).toInt());
    }
    if (xml.hasError())
        throw EroriRegistru::Deteriorat(m_numeFisier);
    QHash<int, size_t> compilate;
    std::vector<TFormatNumar> dupaId;
    for (const int id : iduri) {
        if (!compilate.contains(id)) {
            compilate.insert(id, dupaId.size());
            dupaId.emplace_back(formate.contains(id) ? formate.value(id) : FormatIncorporat(id));
        }
        m_formate.push_back(dupaId[compilate.value(id)]);
    }
}

const TFormatNumar& TRegistruXlsx::FormatStil(int stil) const
{
    return stil >= 0 && size_t(stil) < m_formate.size() ? m_formate[size_t(stil)] : m_general;
}

QStringList TRegistruXlsx::Foi() const
{
    QStringList nume;
    for (const TFoaieXlsx& f : m_foi)
        nume << f.Nume;
    return nume;
}

TFoaie TRegistruXlsx::CitesteFoaie(int indice)
{
    TFoaie foaie(m_foi[size_t(indice)].Nume);
    TXmlParte parteXml = CitesteXml(m_foi[size_t(indice)].Parte);
    QXmlStreamReader& xml = parteXml.Xml();
    int rand = -1;
    int coloana = -1;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("row")) {
            bool ok = false;
            const int r = xml.attributes().value(QLatin1String("r")).toInt(&ok);
            rand = ok ? r - 1 : rand + 1;
            coloana = -1;
            continue;
        }
        if (xml.name() != QLatin1String("c"))
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        int r = 0;
        int c = 0;
        if (DescompuneAdresa(a.value(QLatin1String("r")).toString(), r, c)) {
            rand = r;
            coloana = c;
        } else {
            ++coloana;
        }
        const QString tip = a.value(QLatin1String("t")).toString();
        const int stil = a.value(QLatin1String("s")).toInt();
        QString valoare;
        QString text;
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("v"))
                valoare = xml.readElementText();
            else if (xml.name() == QLatin1String("is"))
                text = TextSir(xml);
            else
                xml.skipCurrentElement();
        }
        if (tip == QLatin1String("s")) {
            bool ok = false;
            const int k = valoare.toInt(&ok);
            text = ok && k >= 0 && k < m_siruri.size() ? m_siruri.at(k) : QString();
        } else if (tip == QLatin1String("str") || tip == QLatin1String("e")) {
            text = DecodeazaXstring(valoare);
        } else if (tip == QLatin1String("b")) {
            text = valoare.isEmpty() ? QString() : Adevarat(valoare) ? QStringLiteral("ADEVĂRAT") : QStringLiteral("FALS");
        } else if (tip == QLatin1String("d")) {
            const double serial = SerialDinIso(valoare, m_sistem1904);
            text = serial < 0 ? valoare : TextNumeric(serial, FormatStil(stil), m_sistem1904);
        } else if (tip != QLatin1String("inlineStr") && !valoare.isEmpty()) {
            bool ok = false;
            const double numar = valoare.toDouble(&ok);
            text = ok ? TextNumeric(numar, FormatStil(stil), m_sistem1904) : valoare;
        }
        foaie.Pune(rand, coloana, text);
    }
    if (xml.hasError())
        throw EroriRegistru::Deteriorat(m_numeFisier);
    return foaie;
}
