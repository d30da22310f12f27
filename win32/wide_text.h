// Texts handed between the program's 8-bit ANSI strings and the wide-character functions, and
// the executable's own path, which only the wide functions give whole in any folder.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "core/text_buffer.h"

// Both through the ANSI code page, so that every text the code page holds comes back byte for byte.
std::wstring WidenAnsi(std::string_view text);
std::string NarrowAnsi(std::wstring_view text);

// The bytes of the ANSI code page's character that begins with this byte: two for a lead byte of
// a double-byte code page, up to four in UTF-8, else one.
std::size_t AnsiCharacterBytes(unsigned char lead);

// A path as the code page can keep it: the path itself where the code page holds every character
// of it, else its short 8.3 form where the volume gives one and the code page holds that; nothing
// when neither is so, as any other character would name another file.
std::optional<std::string> AnsiPath(const std::wstring& path);

// The program's own texts (times, numbers, the status) are ASCII, the same in every code page:
// each byte is its own character, widened without a heap allocation.
template <std::size_t N>
struct WideText {
    wchar_t m_sz[N] = {};

    const wchar_t* c_str() const { return m_sz; }
};

template <std::size_t N>
WideText<N> WidenAscii(const TextBuffer<N>& text)
{
    WideText<N> wide;
    std::transform(std::begin(text.m_sz), std::end(text.m_sz), wide.m_sz,
                   [](char ch) { return static_cast<wchar_t>(static_cast<unsigned char>(ch)); });
    return wide;
}

std::wstring ExecutablePath();
