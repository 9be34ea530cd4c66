#pragma once

#include <cstddef>
#include <optional>
#include <streambuf>
#include <string>

namespace круголет {

// A moment takes a few dozen bytes: a line of a batch longer than this is refused without being
// held whole.
inline constexpr std::size_t наибольшая_строка_пакета = std::size_t{1} << 20;

// One line of a batch, without its line end ("\n" or "\r\n").
struct Строка_пакета {
    std::string текст;
    // Longer than наибольшая_строка_пакета: the text holds its start only, the rest was skipped.
    bool длинная = false;
};

// The next line of the input; nothing when no byte is left.
std::optional<Строка_пакета> следующая_строка(std::streambuf &вход);

} // namespace круголет
