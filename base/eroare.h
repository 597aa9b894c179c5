#pragma once

#include <QString>
#include <stdexcept>

// The one kind of failure the program raises: a message meant for the user, in Romanian.
// Database failures carry the driver's text.
class EEroare : public std::runtime_error {
public:
    explicit EEroare(const QString& mesaj)
        : std::runtime_error(mesaj.toStdString()), m_mesaj(mesaj) {}
    virtual ~EEroare() = default;
    const QString& Mesaj() const { return m_mesaj; }
    // The exit code of a command-line mode this failure ends.
    virtual int CodIesire() const { return 2; }

private:
    QString m_mesaj;
};

// A failure that running the same action again may well not meet (a server that did not
// answer in time): the window offers to run it again instead of only telling it.
class EEroareTrecatoare : public EEroare {
public:
    using EEroare::EEroare;
};
