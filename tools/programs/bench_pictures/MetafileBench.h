#pragma once
// Benchmark of drawing metafiles: the built-in logo (a placeable Windows
// metafile) and the same drawing recorded as an enhanced metafile, each
// drawn fitted into a 200 x 200 cell of a memory bitmap.

// Prints the median time of one drawing of each over 'runs' runs.
void BenchMetafileDrawing(int runs);
