// "--list-pupils [--filter TEXT]": the pupil list's lines on standard output.
#include "app/comenzilinie.h"
#include "app/eroare.h"
#include "db/pornirefaraferestre.h"
#include "editors/listaelevi.h"

#include <QLineEdit>
#include <QTextStream>

namespace {

const QCommandLineOption ListeazaElevii(QStringLiteral("list-pupils"),
                                        QStringLiteral("Afiseaza liniile listei de elevi, cate una pe rand, si iese."));
const QCommandLineOption Filtru(QStringLiteral("filter"),
                                QStringLiteral("Afiseaza doar liniile care contin textul (ca la \"Cauta:\")."),
                                QStringLiteral("TEXT"));

int ListeazaLiniile(const QCommandLineParser& parser)
{
    try {
        const std::unique_ptr<TDM> dm = PornesteModululDeDateFaraFerestre();
        TListaElevi lista;
        lista.RzEdit1()->setText(parser.value(Filtru));
        lista.Reincarca();
        QTextStream iesire(stdout);
        for (const QString& linie : lista.LiniiAfisate())
            iesire << linie << '\n';
        return 0;
    } catch (const std::exception& e) {
        QTextStream(stderr) << QString::fromUtf8(e.what()) << Qt::endl;
        return 2;
    }
}

const bool Inregistrat = InregistreazaComanda({{ListeazaElevii, Filtru}, ListeazaLiniile});

} // namespace
