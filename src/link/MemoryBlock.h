#pragma once

#include "codeplug/CodeplugImage.h"

#include <QByteArray>

#include <cstdint>

namespace nerka {

// Bytes for one place of the radio's memory: at most one 32-byte block, at
// its absolute address in its bank. A flash block must not cross a 4096-byte
// sector boundary (a block starting at a multiple of 32 never does).
struct MemoryBlock {
    Bank bank = Bank::eeprom;
    std::uint32_t address = 0;
    QByteArray bytes;

    friend bool operator==(const MemoryBlock&, const MemoryBlock&) = default;
};

} // namespace nerka
