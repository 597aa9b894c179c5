#pragma once

class QCoreApplication;

// Qt ships no Romanian: the standard buttons, the file dialogs and the edit fields' menus
// get their texts from a translation of our own, built with the program.
void InstaleazaTraducereaQt(QCoreApplication& aplicatie);
