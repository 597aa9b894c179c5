#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <functional>
#include <vector>

// A command-line mode: its options (the first one starts it) and what it runs. The program
// runs the first mode whose starting option is given and exits with its result.
struct TComandaLinie {
    QList<QCommandLineOption> Optiuni;
    std::function<int(const QCommandLineParser&)> Ruleaza;
};

// Returns true so that it can initialise a static flag.
bool InregistreazaComanda(TComandaLinie comanda);
const std::vector<TComandaLinie>& ComenziLinie();

// Runs a mode's body: a failure is written to standard error and gives its exit code (2 unless
// the failure says otherwise).
int RuleazaInConsola(const std::function<int()>& mod);
