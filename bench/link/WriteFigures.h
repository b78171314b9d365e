#pragma once

namespace nerka {

// Prints the requests of codeplug writes counted on the radio stand-in,
// block by block against whole regions ("name: value unit" lines).
void printWriteFigures();

} // namespace nerka
