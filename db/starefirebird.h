#pragma once

#include "db/mesajefirebird.h"

#include <firebird/Interface.h>

// The status of one call of the client interface; a failure is thrown as FbException.
class TStare {
public:
    TStare() : m_stare(Firebird::fb_get_master_interface()->getStatus()) {}
    ~TStare() { m_stare.dispose(); }
    TStare(const TStare&) = delete;
    TStare& operator=(const TStare&) = delete;

    Firebird::ThrowStatusWrapper* operator&() { return &m_stare; }

private:
    Firebird::ThrowStatusWrapper m_stare;
};

// The engine's failure: its text as the client formats it, and its codes.
TEroareMotor EroareMotor(const Firebird::FbException& e);
