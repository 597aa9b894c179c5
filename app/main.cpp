#include "app/comenzilinie.h"
#include "app/praventmain.h"
#include "app/userprompt.h"
#include "db/tdm.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication aplicatie(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brenvolt"));
    QApplication::setApplicationName(QStringLiteral("Pravent 2006"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Certificat de promovare a testelor nationale"));
    parser.addHelpOption();
    const QCommandLineOption faraSplash(QStringLiteral("no-splash"),
                                        QStringLiteral("Porneste fara imaginea de start si fara verificarea limbii."));
    parser.addOption(faraSplash);
    for (const TComandaLinie& comanda : ComenziLinie())
        parser.addOptions(comanda.Optiuni);
    parser.process(aplicatie);
    for (const TComandaLinie& comanda : ComenziLinie())
        if (parser.isSet(comanda.Optiuni.first()))
            return comanda.Ruleaza(parser);

    TDM dm(!parser.isSet(faraSplash));
    // A start-up failure is shown and the program still opens its main window.
    RuleazaCuEroare([&dm] { dm.DataModuleCreate(); });
    TPraventMain fereastra;
    fereastra.show();
    return aplicatie.exec();
}
