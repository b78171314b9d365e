#pragma once

namespace nerka {

// Prints the planned request counts of block-by-block and whole-region
// codeplug writes ("name: value unit" lines).
void printPlannedWriteFigures();

} // namespace nerka
