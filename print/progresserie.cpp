#include "print/progresserie.h"

#include <QCoreApplication>

TProgresFereastra::TProgresFereastra(QWidget* parinte) : m_fereastra(parinte)
{
    m_fereastra.setWindowTitle(QStringLiteral("Tiparire in serie"));
    m_fereastra.setCancelButtonText(QStringLiteral("Renunt"));
    m_fereastra.setWindowModality(Qt::WindowModal);
    m_fereastra.setMinimumDuration(0);
    m_fereastra.setAutoClose(false);
    m_fereastra.setAutoReset(false);
    m_fereastra.setMinimumWidth(320);
}

bool TProgresFereastra::Continua(int numar, int total)
{
    m_fereastra.setMaximum(total);
    m_fereastra.setValue(numar - 1);
    m_fereastra.setLabelText(QStringLiteral("Tiparesc diploma %1 din %2").arg(numar).arg(total));
    m_fereastra.show();
    // The only moment the user's "Renunt" can reach the job.
    QCoreApplication::processEvents();
    return !m_fereastra.wasCanceled();
}
