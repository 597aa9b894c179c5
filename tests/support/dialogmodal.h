#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Acts on the window of type T as soon as it is shown (modally, by the code under test).
template <typename T>
void LaDialogulModal(std::function<void(T&)> actiune)
{
    auto* ceas = new QTimer(qApp);
    QObject::connect(ceas, &QTimer::timeout, ceas, [ceas, actiune] {
        for (QWidget* fereastra : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<T*>(fereastra);
            if (dialog && dialog->isVisible()) {
                ceas->deleteLater();
                ceas->stop();
                actiune(*dialog);
                return;
            }
        }
    });
    ceas->start(10);
}
