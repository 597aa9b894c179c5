#pragma once

// How long a statement waits for a row another user's transaction holds before it fails
// with a lock time-out: long enough for another secretary's save to end, short enough that
// nobody waits on a program left open in the middle of one.
constexpr int SecundeAsteptareBlocare = 5;

// Whether the transactions started so far got the program's parameters (read committed,
// the bounded wait) rather than the engine's defaults; false before the first one.
bool ParametriiTranzactieiAplicati();
