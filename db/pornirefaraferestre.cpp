#include "db/pornirefaraferestre.h"

#include "app/comenzilinie.h"
#include "app/eroare.h"
#include "app/userprompt.h"

#include <QTextStream>

namespace {

TPromptConsola g_promptConsola;

int InitializeazaBazaDeDate(const QCommandLineParser&)
{
    try {
        const std::unique_ptr<TDM> dm = PornesteModululDeDateFaraFerestre();
        QTextStream(stdout) << dm->CaleBazaDeDate() << Qt::endl;
        return 0;
    } catch (const std::exception& e) {
        QTextStream(stderr) << QString::fromUtf8(e.what()) << Qt::endl;
        return 2;
    }
}

const bool Inregistrat = InregistreazaComanda(
    {{QCommandLineOption(QStringLiteral("init-db"),
                         QStringLiteral("Aduce la zi baza de date din dosarul de date, afiseaza calea ei si iese."))},
     InitializeazaBazaDeDate});

} // namespace

std::unique_ptr<TDM> PornesteModululDeDateFaraFerestre()
{
    InstaleazaPrompt(&g_promptConsola);
    auto dm = std::make_unique<TDM>(false);
    dm->DataModuleCreate();
    return dm;
}
