#pragma once
// Runs a set-up of the whole test program (hooks a layer installs at the
// program's start, for instance) once, before its first test. Use it from a
// namespace-scope initialiser: const bool done = RunBeforeTests(&SetUp);
bool RunBeforeTests(void (*setUp)());
