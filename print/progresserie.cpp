#include "print/progresserie.h"

#include <QCoreApplication>

TProgresFereastra::TProgresFereastra(QWidget* parinte)
    : TProgresFereastra(parinte, {QStringLiteral("Tiparire in serie"), QStringLiteral("Tiparesc diploma %1 din %2"), 0})
{
}

TProgresFereastra::TProgresFereastra(QWidget* parinte, TTexteProgres texte)
    : m_fereastra(parinte), m_eticheta(std::move(texte.Eticheta))
{
    m_fereastra.setWindowTitle(texte.Titlu);
    m_fereastra.setCancelButtonText(QStringLiteral("Renunt"));
    m_fereastra.setWindowModality(Qt::WindowModal);
    m_fereastra.setMinimumDuration(texte.DurataMinima);
    m_fereastra.setAutoClose(false);
    m_fereastra.setAutoReset(false);
    m_fereastra.setMinimumWidth(320);
}

bool TProgresFereastra::Continua(int numar, int total)
{
    m_fereastra.setMaximum(total);
    m_fereastra.setValue(numar - 1);
    m_fereastra.setLabelText(m_eticheta.arg(numar).arg(total));
    if (m_fereastra.minimumDuration() == 0)
        m_fereastra.show();
    // The only moment the user's "Renunt" can reach the work. Until the window shows, the
    // user's clicks would reach the window behind it, which is busy.
    QCoreApplication::processEvents(m_fereastra.isVisible() ? QEventLoop::AllEvents
                                                            : QEventLoop::ExcludeUserInputEvents);
    return !m_fereastra.wasCanceled();
}
