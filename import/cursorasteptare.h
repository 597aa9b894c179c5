#pragma once

#include <QGuiApplication>

// The wait cursor for the life of the guard, taken away also when the work fails.
class TCursorAsteptare {
public:
    TCursorAsteptare() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TCursorAsteptare() { QGuiApplication::restoreOverrideCursor(); }
    TCursorAsteptare(const TCursorAsteptare&) = delete;
    TCursorAsteptare& operator=(const TCursorAsteptare&) = delete;
};
