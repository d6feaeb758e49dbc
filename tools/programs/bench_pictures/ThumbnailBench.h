#pragma once
// Benchmarks of the thumbnails made on worker threads over a folder of
// photo0.jpg, photo1.jpg ...
#include <string>

// The path of the benchmark's i-th photograph in the folder.
std::string PhotoPath(const std::string& folder, int i);

void BenchThumbnailMaker(const std::string& folder, int files);
void BenchThumbnailGrid(const std::string& folder, int files);
