// SPDX-License-Identifier: GPL-3.0-or-later
// Small text helpers for the engine's result texts: character (code point) slicing of UTF-8
// and clock/date texts written into fixed buffers, so that filling a record that the caller
// reuses does not allocate.
#pragma once

#include "astro/fGlobals.h"

#include <cstddef>
#include <cstdio>
#include <string>

namespace astro::text {

// Byte offset of character `index` (0-based) in a UTF-8 text of `size` bytes; `size` when the
// text has fewer characters.
inline std::size_t ByteOffsetOfChar(const char* data, std::size_t size, std::size_t index) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        if ((byte & 0xC0) != 0x80) {
            if (chars == index) return i;
            ++chars;
        }
    }
    return size;
}

// `count` characters of a UTF-8 text from character `first` on (0-based).
inline std::string SliceChars(const std::string& s, std::size_t first, std::size_t count) {
    const std::size_t from = ByteOffsetOfChar(s.data(), s.size(), first);
    const std::size_t to = ByteOffsetOfChar(s.data() + from, s.size() - from, count);
    return s.substr(from, to);
}

// Assigns at most `capacity` characters of buf[0..len) to `out` (reusing its storage).
inline void AssignCut(std::string& out, const char* buf, std::size_t len, std::size_t capacity) {
    out.assign(buf, ByteOffsetOfChar(buf, len, capacity));
}

// "HH:MM" of a date record, into `out` (five characters, always held in place).
inline void AssignHourMinute(std::string& out, const DateTimeRec& d) {
    char buf[16];
    const int n = std::snprintf(buf, sizeof buf, "%02d:%02d", d.Hour % 100, d.Minute % 100);
    out.assign(buf, n > 0 ? static_cast<std::size_t>(n) : 0);
}

} // namespace astro::text
