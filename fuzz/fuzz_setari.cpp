// A whole settings file as both settings objects read it: the print settings and the
// global options. Any content must give values or a clear error, never a crash or a hang.
#include "base/brvregistryclass.h"
#include "base/eroare.h"
#include "base/infoglobal2005.h"
#include "print/allstuffreg.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

std::unique_ptr<QTemporaryDir> g_dosar;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_dosar = std::make_unique<QTemporaryDir>();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, g_dosar->path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, g_dosar->path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
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
