// A whole settings file as both settings objects read it: the print settings and the
// global options. Any content must give values or a clear error, never a crash or a hang.
#include "base/brvregistryclass.h"
#include "base/eroare.h"
#include "base/infoglobal2005.h"
#include "base/userprompt.h"
#include "print/allstuffreg.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace {

// Set up on the first input, in the fuzzer and in the corpus replay alike: the settings live in
// a temporary folder, never in the user's own, and a store that refuses to write is reported
// on standard error instead of in a message box.
void PregatesteSetarile()
{
    static TPromptConsola prompt;
    static QTemporaryDir dosar;
    static const bool gata = [] {
        InstaleazaPrompt(&prompt);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dosar.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dosar.path());
        return true;
    }();
    (void)gata;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PregatesteSetarile();
    const QString cale = DeschideSetari().fileName();
    QDir().mkpath(QFileInfo(cale).absolutePath());
    {
        QFile fisier(cale);
        if (!fisier.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        fisier.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    try {
        const TAllStuffReg setari;
    } catch (const EEroare&) {
        // A malformed "all": reported, and rewritten so that the next reading succeeds.
    }
    const TInfoGlobal2005 optiuni;
    return 0;
}
