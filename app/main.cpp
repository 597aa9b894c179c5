#include "app/comenzi.h"
#include "app/pictograma.h"
#include "base/comenzilinie.h"
#include "app/pornireinteractiva.h"
#include "app/praventmain.h"
#include "app/splash.h"
#include "app/traducereqt.h"
#include "base/semnale.h"
#include "base/userprompt.h"
#include "base/versiune.h"
#include "dialoguri/casetemesaj.h"
#include "db/tdm.h"
#include "print/handlerpravent.h"
#include "profile/profilpv.h"

#include <QApplication>
#include <memory>
#include <optional>

namespace {

// Command-line modes show no window: they must also run where there is no display.
void FaraAfisajPentruLiniaDeComanda(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument.startsWith('-') && argument != "--no-splash" && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            return;
        }
    }
}

// The output modes write files and nothing else: they run on QGuiApplication, under which
// no widget and no dialog can be made at all.
bool ModDeIesire(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--print-pdf" || argument.startsWith("--print-pdf="))
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    FaraAfisajPentruLiniaDeComanda(argc, argv);
    const bool faraFerestre = ModDeIesire(argc, argv);
    const std::unique_ptr<QGuiApplication> aplicatie = faraFerestre ? std::make_unique<QGuiApplication>(argc, argv)
                                                                    : std::make_unique<QApplication>(argc, argv);
    std::optional<TCaseteMesaj> casete;
    if (!faraFerestre)
        casete.emplace();
    InstaleazaTraducereaQt(*aplicatie);
    // From the very start, so that a signal before the database engine is loaded also ends
    // the program cleanly; the data module installs them again after the engine has.
    InstaleazaOprireaLaSemnal();
    QGuiApplication::setOrganizationName(QStringLiteral("Brenvolt"));
    QGuiApplication::setApplicationName(NumeProgram());
    // The desktop entry's name: the desktop matches the windows to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("ro.brenvolt.pravent"));
    QGuiApplication::setWindowIcon(PictogramaProgram());

    InregistreazaProfilPV();
    InregistreazaHandlerPravent();
    InregistreazaComenzile();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Certificat de promovare a testelor nationale"));
    parser.addHelpOption();
    const QCommandLineOption faraSplash(QStringLiteral("no-splash"),
                                        QStringLiteral("Porneste fara imaginea de start si fara verificarea limbii."));
    parser.addOption(faraSplash);
    for (const TComandaLinie& comanda : ComenziLinie())
        parser.addOptions(comanda.Optiuni);
    parser.process(*aplicatie);
    for (const TComandaLinie& comanda : ComenziLinie())
        if (parser.isSet(comanda.Optiuni.first()))
            return comanda.Ruleaza(parser);

    std::function<void()> primulPas;
    if (!parser.isSet(faraSplash))
        primulPas = [] { AfiseazaSplash(QStringLiteral("Absolventi Clasa a VIIIa")); };
    bool oprita = false;
    const std::unique_ptr<TDM> dm = PornesteModululDeDate(std::move(primulPas), oprita);
    if (oprita)
        return 1;
    if (OprireCeruta())
        return CodIesireLaOprire();
    TPraventMain fereastra;
    fereastra.show();
    return QGuiApplication::exec();
}
