// The print settings' "all" value as a hand-edited or damaged settings file may hold it:
// the list reader must end, and cannot produce more items than the text has characters.
#include "print/listavirgule.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList elemente = CitesteListaVirgule(text);
    if (elemente.size() > text.size() + 1)
        std::abort();
    // What the writer makes of them reads back to as many items (a lone empty item aside,
    // which is written as nothing).
    const QStringList inapoi = CitesteListaVirgule(ScrieListaVirgule(elemente));
    if (elemente.size() > 1 && inapoi != elemente)
        std::abort();
    return 0;
}
