#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <variant>

namespace круголет {

// A file open for reading that is known to be a regular file. Opening a FIFO waits for a writer
// and a device may never end, so nothing else is ever read.
class Обычный_файл {
  public:
    Обычный_файл(Обычный_файл &&другой) noexcept;
    Обычный_файл &operator=(Обычный_файл &&) = delete;
    ~Обычный_файл();

    // Its size when it was opened.
    std::uintmax_t размер() const { return размер_; }

    // Up to the buffer's size: how many bytes came, 0 at the end, nothing on a read error.
    std::optional<std::size_t> прочитать(std::span<char> куда);

  private:
#ifdef _WIN32
    using Описатель = void *;
#else
    using Описатель = int;
#endif
    Обычный_файл(Описатель описатель, std::uintmax_t размер);
    friend std::variant<Обычный_файл, std::string>
    открыть_обычный_файл(const std::filesystem::path &путь);

    Описатель описатель_;
    std::uintmax_t размер_;
};

// The file opened, or why it was not, in Russian: it does not open, or it is not a regular file.
std::variant<Обычный_файл, std::string> открыть_обычный_файл(const std::filesystem::path &путь);

} // namespace круголет
