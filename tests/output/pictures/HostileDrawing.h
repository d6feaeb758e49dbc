#pragma once
// Crafted pictures drawn as the program draws them: on the window's thread,
// first and on a repaint, and once more on a worker's thread. Whatever a
// file holds, the program must live through it, draw in bounded time and
// hold bounded memory.

#include "TestPictures.h"

#include <string>

// Bytes of the process's working set now.
SIZE_T WorkingSetBytes();

// Loads the picture (it must load) and draws it into width x height on this
// thread, first and on a repaint, then on a thread of its own. Each draw must
// end within 2 s of its thread's processor time, and the process's working
// set must grow by less than 160 MB while it runs. Answers the
// canvas of the first draw through 'first' when given.
void ExpectDrawnSafely(const Bytes& bytes, int width, int height, const std::string& what, CCanvas* first = nullptr);
