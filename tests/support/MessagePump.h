#pragma once
// Tests wait for what they need, not for a time: the thread's messages are
// dispatched until a condition holds. The limit only ends a wait that would
// otherwise hang; it lies far above what the slowest machine needs.
#include <windows.h>

#include <functional>

// Milliseconds after which a wait gives up: ten times a loaded machine's need.
const DWORD PumpLimit = 60000;

// Dispatches every message waiting for this thread (posted, sent from other
// threads, paint, due timers) until none is left.
void PumpWaitingMessages();

// Dispatches this thread's messages as they come until the condition holds;
// FALSE when it still does not after the limit.
bool PumpMessagesUntil(const std::function<bool()>& condition, DWORD limit = PumpLimit);
