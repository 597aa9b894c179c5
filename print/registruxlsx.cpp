#include "print/registruxlsx.h"

#include "base/eroare.h"

#include <QBuffer>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

namespace {

const QByteArray Principal = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const QByteArray Relatii = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const QByteArray TipuriOffice = "application/vnd.openxmlformats-officedocument.spreadsheetml.";

// The cell styles: 0 plain, 1 bold (the header), 2 a day as dd.mm.yyyy.
const QByteArray Stiluri =
    "<styleSheet xmlns=\"" + Principal + "\"><numFmts count=\"1\"><numFmt numFmtId=\"164\" "
    "formatCode=\"dd.mm.yyyy\"/></numFmts><fonts count=\"2\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font>"
    "<font><b/><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts><fills count=\"2\"><fill><patternFill "
    "patternType=\"none\"/></fill><fill><patternFill patternType=\"gray125\"/></fill></fills><borders count=\"1\">"
    "<border><left/><right/><top/><bottom/><diagonal/></border></borders><cellStyleXfs count=\"1\"><xf numFmtId=\"0\" "
    "fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs><cellXfs count=\"3\"><xf numFmtId=\"0\" fontId=\"0\" "
    "fillId=\"0\" borderId=\"0\" xfId=\"0\"/><xf numFmtId=\"0\" fontId=\"1\" fillId=\"0\" borderId=\"0\" xfId=\"0\" "
    "applyFont=\"1\"/><xf numFmtId=\"164\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" "
    "applyNumberFormat=\"1\"/></cellXfs><cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" "
    "builtinId=\"0\"/></cellStyles></styleSheet>";

// Characters XML cannot hold are left out; the rest is escaped.
QByteArray TextXml(const QString& text)
{
    QString curat;
    for (const QChar c : text)
        if (c.unicode() >= 0x20 || c == u'\t' || c == u'\n')
            curat.append(c);
    return curat.toHtmlEscaped().toUtf8();
}

QByteArray Referinta(int coloana, int rand)
{
    return QByteArray(1, static_cast<char>('A' + coloana)) + QByteArray::number(rand);
}

QByteArray CelulaText(int coloana, int rand, const QString& text, int stil = 0)
{
    return "<c r=\"" + Referinta(coloana, rand) + "\" t=\"inlineStr\" s=\"" + QByteArray::number(stil) +
           "\"><is><t xml:space=\"preserve\">" + TextXml(text) + "</t></is></c>";
}

QByteArray CelulaNumar(int coloana, int rand, double numar, int stil = 0)
{
    return "<c r=\"" + Referinta(coloana, rand) + "\" s=\"" + QByteArray::number(stil) + "\"><v>" +
           QByteArray::number(numar, 'g', 15) + "</v></c>";
}

QByteArray Foaie(const QStringList& cap, const std::vector<QStringList>& randuri,
                 const std::vector<TIntrareRegistru>& intrari)
{
    static const int Latimi[] = {10, 12, 34, 16, 16, 18, 30};
    QByteArray xml = "<worksheet xmlns=\"" + Principal + "\"><cols>";
    for (int c = 0; c < cap.size(); ++c)
        xml += "<col min=\"" + QByteArray::number(c + 1) + "\" max=\"" + QByteArray::number(c + 1) + "\" width=\"" +
               QByteArray::number(Latimi[qMin(c, 6)]) + "\" customWidth=\"1\"/>";
    xml += "</cols><sheetData><row r=\"1\">";
    for (int c = 0; c < cap.size(); ++c)
        xml += CelulaText(c, 1, cap.at(c), 1);
    xml += "</row>";
    // A day is counted from 30 December 1899, as the spreadsheets count it.
    const QDate inceput(1899, 12, 30);
    for (int r = 0; r < static_cast<int>(randuri.size()); ++r) {
        const int rand = r + 2;
        const TIntrareRegistru& intrare = intrari.at(r);
        xml += "<row r=\"" + QByteArray::number(rand) + "\">" + CelulaNumar(0, rand, intrare.NrInregistrare) +
               CelulaNumar(1, rand, static_cast<double>(inceput.daysTo(intrare.DataInregistrare)), 2);
        // An empty value is no cell, as a spreadsheet leaves it.
        for (int c = 2; c < randuri.at(r).size(); ++c)
            if (!randuri.at(r).at(c).isEmpty())
                xml += CelulaText(c, rand, randuri.at(r).at(c));
        xml += "</row>";
    }
    return xml + "</sheetData></worksheet>";
}

} // namespace

QByteArray RegistruXlsx(const QStringList& cap, const std::vector<QStringList>& randuri,
                        const std::vector<TIntrareRegistru>& intrari)
{
    const QList<QPair<QString, QByteArray>> parti = {
        {QStringLiteral("[Content_Types].xml"),
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"><Default Extension=\"rels\" "
         "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/><Default Extension=\"xml\" "
         "ContentType=\"application/xml\"/><Override PartName=\"/xl/workbook.xml\" ContentType=\"" + TipuriOffice +
             "sheet.main+xml\"/><Override PartName=\"/xl/worksheets/sheet1.xml\" ContentType=\"" + TipuriOffice +
             "worksheet+xml\"/><Override PartName=\"/xl/styles.xml\" ContentType=\"" + TipuriOffice +
             "styles+xml\"/></Types>"},
        {QStringLiteral("_rels/.rels"), "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                                        "relationships\"><Relationship Id=\"rId1\" Type=\"" + Relatii +
                                            "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
        {QStringLiteral("xl/workbook.xml"), "<workbook xmlns=\"" + Principal + "\" xmlns:r=\"" + Relatii +
                                                "\"><sheets><sheet name=\"Registru\" sheetId=\"1\" r:id=\"rId1\"/>"
                                                "</sheets></workbook>"},
        {QStringLiteral("xl/_rels/workbook.xml.rels"),
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship "
         "Id=\"rId1\" Type=\"" + Relatii + "/worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" "
         "Type=\"" + Relatii + "/styles\" Target=\"styles.xml\"/></Relationships>"},
        {QStringLiteral("xl/styles.xml"), Stiluri},
        {QStringLiteral("xl/worksheets/sheet1.xml"), Foaie(cap, randuri, intrari)},
    };
    QByteArray octeti;
    QBuffer dispozitiv(&octeti);
    QuaZip zip(&dispozitiv);
    if (!zip.open(QuaZip::mdCreate))
        throw EEroare(QStringLiteral("Registrul de calcul nu a putut fi inceput."));
    for (const auto& [nume, continut] : parti) {
        QuaZipFile parte(&zip);
        if (!parte.open(QIODevice::WriteOnly, QuaZipNewInfo(nume)) || parte.write(continut) != continut.size())
            throw EEroare(QStringLiteral("Registrul de calcul nu a putut fi scris (%1).").arg(nume));
    }
    zip.close();
    if (zip.getZipError() != 0)
        throw EEroare(QStringLiteral("Registrul de calcul nu a putut fi incheiat."));
    return octeti;
}
