#pragma once

#include <functional>

// The grid's update counter: changes are bracketed by BeginUpdate and EndUpdate, and the
// grid is laid out again once, when the outermost bracket closes.
class TBrvContorActualizare {
public:
    explicit TBrvContorActualizare(std::function<void()> laZero) : m_laZero(std::move(laZero)) {}

    void BeginUpdate() { ++m_nivel; }
    // Fails with "EndUpdate fara BeginUpdate" when no bracket is open.
    void EndUpdate();
    int Nivel() const { return m_nivel; }

    // Runs a change inside its own bracket; the bracket closes also when the change fails.
    template <typename Schimbare>
    void Schimba(Schimbare&& schimbare)
    {
        BeginUpdate();
        try {
            schimbare();
        } catch (...) {
            EndUpdate();
            throw;
        }
        EndUpdate();
    }

private:
    std::function<void()> m_laZero;
    int m_nivel = 0;
};
