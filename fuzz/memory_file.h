#pragma once

#include "words/line_reader.h"

#include <cstdint>
#include <cstdio>

// The fuzzer's bytes as a readable file.
inline FileHandle OpenMemory(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return FileHandle(std::fopen("/dev/null", "rb"));
    }
    return FileHandle(fmemopen(const_cast<std::uint8_t*>(data), size, "rb"));
}
