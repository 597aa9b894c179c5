#include "print/setupprinter.h"

#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace {

// A file printer or a driver that lists no resolutions gets what Qt calls high resolution.
int RezolutieInalta(const QPrinter& imprimanta)
{
    const QList<int> rezolutii = QPrinterInfo(imprimanta).supportedResolutions();
    return rezolutii.isEmpty() ? 1200 : *std::max_element(rezolutii.begin(), rezolutii.end());
}

} // namespace

void SetupPrinter(QPrinter& imprimanta, bool portrait)
{
    imprimanta.setPageSize(QPageSize(QPageSize::A4));
    imprimanta.setPageOrientation(portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
    imprimanta.setResolution(RezolutieInalta(imprimanta));
    imprimanta.setColorMode(QPrinter::GrayScale);
}
