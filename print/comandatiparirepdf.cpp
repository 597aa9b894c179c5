// "--print-pdf FILE --pupil ID --page fata|spate|ambele": a pupil's certificate into a PDF file.
#include "app/comenzilinie.h"
#include "app/eroare.h"
#include "db/pornirefaraferestre.h"
#include "print/tiparirepdf.h"

#include <QTextStream>

namespace {

const QCommandLineOption TiparesteInPdf(QStringLiteral("print-pdf"),
                                        QStringLiteral("Tipareste certificatul unui elev in fisierul PDF dat si iese."),
                                        QStringLiteral("FILE"));
const QCommandLineOption Elev(QStringLiteral("pupil"), QStringLiteral("Numarul elevului (ID_ELEVI)."),
                              QStringLiteral("ID"));
const QCommandLineOption Pagina(QStringLiteral("page"), QStringLiteral("Pagina: fata, spate sau ambele."),
                                QStringLiteral("fata|spate|ambele"), QStringLiteral("ambele"));

int IdElev(const QCommandLineParser& parser)
{
    bool ok = false;
    const int id = parser.value(Elev).toInt(&ok);
    if (!ok)
        throw EEroare(QStringLiteral("--pupil trebuie sa fie numarul unui elev, nu \"%1\".").arg(parser.value(Elev)));
    return id;
}

TPaginiCertificat Pagini(const QCommandLineParser& parser)
{
    const QString pagina = parser.value(Pagina);
    if (pagina == QLatin1String("fata"))
        return TPaginiCertificat::Fata;
    if (pagina == QLatin1String("spate"))
        return TPaginiCertificat::Spate;
    if (pagina == QLatin1String("ambele"))
        return TPaginiCertificat::Ambele;
    throw EEroare(QStringLiteral("--page trebuie sa fie fata, spate sau ambele, nu \"%1\".").arg(pagina));
}

int TiparesteCertificatul(const QCommandLineParser& parser)
{
    try {
        const int idElev = IdElev(parser);
        const TPaginiCertificat pagini = Pagini(parser);
        const std::unique_ptr<TDM> dm = PornesteModululDeDateFaraFerestre();
        TiparesteCertificatInPdf(parser.value(TiparesteInPdf), idElev, pagini);
        return 0;
    } catch (const std::exception& e) {
        QTextStream(stderr) << QString::fromUtf8(e.what()) << Qt::endl;
        return 2;
    }
}

const bool Inregistrat = InregistreazaComanda({{TiparesteInPdf, Elev, Pagina}, TiparesteCertificatul});

} // namespace
