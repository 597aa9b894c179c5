#include "import/asezareimport.h"

#include "base/brvregistryclass.h"
#include "base/eroare.h"
#include "registre/coloaneexcel.h"
#include "import/comandaimport.h"
#include "registre/foaie.h"

#include <QCryptographicHash>
#include <QSettings>
#include <algorithm>

namespace {

const QString Grup = QStringLiteral("2006/Import");
const QString PrefixCnp = QStringLiteral("cnp=");
// A settings file is the user's: no more lines than the profile has fields, none longer
// than a field's text may be.
constexpr int LiniiMaxime = 100;
constexpr int LungimeMaxima = 600;

QString Cheie(const QString& capDeTabel)
{
    return QString::fromLatin1(QCryptographicHash::hash(capDeTabel.toUtf8(), QCryptographicHash::Sha1).toHex());
}

} // namespace

QString CapDeTabel(const TFoaie& foaie, const TListaColoaneExcel& coloane)
{
    if (coloane.NumarRanduri() == 0)
        return {};
    const int ultimaColoana = int(coloane.Coloane().size()) - 1;
    for (int rand = coloane.RandFoaie(0) - 2; rand >= 0; --rand) {
        QStringList texte;
        bool gol = true;
        for (int c = 0; c <= ultimaColoana; ++c) {
            texte << foaie.Text(rand, c).trimmed();
            gol = gol && texte.constLast().isEmpty();
        }
        if (!gol)
            return texte.join(u'\t');
    }
    return {};
}

void RetineAsezarea(const QString& capDeTabel, const TAsezareImport& asezare)
{
    if (capDeTabel.isEmpty())
        return;
    QStringList linii{PrefixCnp + asezare.ColoanaCnp};
    for (const TSursaCamp& sursa : asezare.Surse)
        if (!sursa.NuImport)
            linii << sursa.IdCamp + u'=' + TextSursa(sursa);
    QSettings setari = DeschideSetari();
    setari.beginGroup(Grup);
    setari.setValue(Cheie(capDeTabel), linii);
}

std::optional<TAsezareImport> AsezareRetinuta(const QString& capDeTabel)
{
    if (capDeTabel.isEmpty())
        return std::nullopt;
    QSettings setari = DeschideSetari();
    setari.beginGroup(Grup);
    const QStringList linii = setari.value(Cheie(capDeTabel)).toStringList();
    if (linii.isEmpty() || linii.size() > LiniiMaxime || !linii.first().startsWith(PrefixCnp)
        || std::any_of(linii.cbegin(), linii.cend(), [](const QString& l) { return l.size() > LungimeMaxima; }))
        return std::nullopt;
    try {
        TAsezareImport asezare;
        // Read as a column source, so that the letters are checked the same way.
        const QString cnp = QStringLiteral("coloana:") + linii.first().mid(PrefixCnp.size());
        asezare.ColoanaCnp = SursaDinText(QStringLiteral("CNP"), cnp).Coloana;
        for (const QString& linie : linii.mid(1)) {
            const int egal = linie.indexOf(u'=');
            if (egal <= 0)
                return std::nullopt;
            asezare.Surse.push_back(SursaDinText(linie.left(egal), linie.mid(egal + 1)));
        }
        return asezare;
    } catch (const EEroare&) {
        return std::nullopt;
    }
}
