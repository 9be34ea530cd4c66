#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace круголет {

// The fuzzer's bytes taken as the inputs of one run: numbers off the front, texts after them.
// Bytes that run out read as zeros, so every input, however short, is a whole run.
class Входные_байты {
  public:
    Входные_байты(const std::uint8_t *данные, std::size_t размер)
        : остаток_(reinterpret_cast<const char *>(данные), размер) {}

    std::uint8_t байт() {
        if (остаток_.empty())
            return 0;
        const auto значение = static_cast<std::uint8_t>(остаток_.front());
        остаток_.remove_prefix(1);
        return значение;
    }

    // Least significant byte first.
    std::uint64_t без_знака(int байтов) {
        std::uint64_t значение = 0;
        for (int i = 0; i < байтов; ++i)
            значение |= std::uint64_t{байт()} << (8 * i);
        return значение;
    }

    std::int32_t целое() { return static_cast<std::int32_t>(без_знака(4)); }
    std::int64_t целое64() { return static_cast<std::int64_t>(без_знака(8)); }

    // The text up to the next separator, which is dropped; all that is left when there is none.
    std::string_view до(char разделитель) {
        const auto место = остаток_.find(разделитель);
        const auto текст = остаток_.substr(0, место);
        остаток_.remove_prefix(место == std::string_view::npos ? остаток_.size() : место + 1);
        return текст;
    }

    std::string_view остаток() const { return остаток_; }

  private:
    std::string_view остаток_;
};

} // namespace круголет
