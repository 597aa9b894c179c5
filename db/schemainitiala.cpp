#include "db/schemainitiala.h"

#include "base/eroare.h"

#include <QFile>
#include <QRegularExpression>

namespace {

// Appends the quoted text that starts at i (the opening quote) and returns the index after it;
// a doubled quote inside stands for one.
qsizetype CopiazaCitat(const QString& script, qsizetype i, QString& instructiune)
{
    const QChar ghilimea = script.at(i);
    qsizetype j = i + 1;
    while (j < script.size()) {
        if (script.at(j) == ghilimea) {
            if (j + 1 < script.size() && script.at(j + 1) == ghilimea) {
                j += 2;
                continue;
            }
            ++j;
            break;
        }
        ++j;
    }
    instructiune += QStringView(script).mid(i, j - i);
    return j;
}

// The index after the comment that starts at i, or -1 when none starts there.
qsizetype SfarsitComentariu(const QString& script, qsizetype i)
{
    const QStringView rest = QStringView(script).mid(i);
    if (rest.startsWith(u"--")) {
        const qsizetype linie = script.indexOf(QLatin1Char('\n'), i);
        return linie < 0 ? script.size() : linie;
    }
    if (rest.startsWith(u"/*")) {
        const qsizetype sfarsit = script.indexOf(QStringLiteral("*/"), i + 2);
        return sfarsit < 0 ? script.size() : sfarsit + 2;
    }
    return -1;
}

void Adauga(QStringList& instructiuni, const QString& instructiune)
{
    const QString curata = instructiune.trimmed();
    if (!curata.isEmpty())
        instructiuni.append(curata);
}

QString PrimulCuvant(const QString& instructiune)
{
    static const QRegularExpression cuvant(QStringLiteral("^[A-Za-z]+"));
    return cuvant.match(instructiune).captured(0).toUpper();
}

bool EsteDefinitie(const QString& instructiune)
{
    static const QStringList definitii = {QStringLiteral("CREATE"), QStringLiteral("ALTER"), QStringLiteral("DROP"),
                                          QStringLiteral("RECREATE"), QStringLiteral("DECLARE"),
                                          QStringLiteral("COMMENT"), QStringLiteral("GRANT"), QStringLiteral("REVOKE")};
    return definitii.contains(PrimulCuvant(instructiune));
}

} // namespace

QStringList InstructiuniScript(const QString& script)
{
    QStringList instructiuni;
    QString instructiune;
    qsizetype i = 0;
    while (i < script.size()) {
        const QChar c = script.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            i = CopiazaCitat(script, i, instructiune);
        } else if (const qsizetype dupa = SfarsitComentariu(script, i); dupa >= 0) {
            // A comment between two words still parts them.
            instructiune += QLatin1Char(' ');
            i = dupa;
        } else if (c == QLatin1Char(';')) {
            Adauga(instructiuni, instructiune);
            instructiune.clear();
            ++i;
        } else {
            instructiune += c;
            ++i;
        }
    }
    Adauga(instructiuni, instructiune);
    return instructiuni;
}

QList<QStringList> TranzactiiScript(const QStringList& instructiuni)
{
    QList<QStringList> tranzactii;
    QStringList curenta;
    bool definitii = false;
    const auto inchide = [&] {
        if (!curenta.isEmpty())
            tranzactii.append(curenta);
        curenta.clear();
        definitii = false;
    };
    for (const QString& instructiune : instructiuni) {
        if (PrimulCuvant(instructiune) == QLatin1String("COMMIT")) {
            inchide();
            continue;
        }
        const bool definitie = EsteDefinitie(instructiune);
        if (definitii && !definitie)
            inchide();
        curenta.append(instructiune);
        definitii = definitii || definitie;
    }
    inchide();
    return tranzactii;
}

QList<QStringList> TranzactiiSchemaInitiala()
{
    // The resource lives in a static library: nothing would make the linker keep it.
    static const bool incarcata = [] {
        Q_INIT_RESOURCE(schemainitiala);
        return true;
    }();
    Q_UNUSED(incarcata);
    QFile script(QStringLiteral(":/schema/blank.sql"));
    if (!script.open(QIODevice::ReadOnly))
        throw EEroare(QStringLiteral("Schema bazei de date lipseste din program."));
    return TranzactiiScript(InstructiuniScript(QString::fromUtf8(script.readAll())));
}
