#include "knowledge/regular_file.h"

#include <algorithm>
#include <string_view>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace круголет {

namespace {

constexpr std::string_view не_открывается = "файл не открывается";
constexpr std::string_view не_обычный = "не обычный файл";

#ifdef _WIN32
const HANDLE закрытый = INVALID_HANDLE_VALUE;
#else
constexpr int закрытый = -1;
#endif

// Told by the name, before anything is opened. A name whose kind cannot be told is left to the
// opening, which fails for a missing file.
bool известно_необычный(const std::filesystem::path &путь) {
    std::error_code код;
    const auto вид = std::filesystem::status(путь, код).type();
    return !код && вид != std::filesystem::file_type::regular;
}

} // namespace

Обычный_файл::Обычный_файл(Описатель описатель, std::uintmax_t размер)
    : описатель_(описатель), размер_(размер) {}

Обычный_файл::Обычный_файл(Обычный_файл &&другой) noexcept
    : описатель_(другой.описатель_), размер_(другой.размер_) {
    другой.описатель_ = закрытый;
}

#ifdef _WIN32

Обычный_файл::~Обычный_файл() {
    if (описатель_ != закрытый)
        CloseHandle(описатель_);
}

std::optional<std::size_t> Обычный_файл::прочитать(std::span<char> куда) {
    DWORD прочитано = 0;
    const auto сколько = static_cast<DWORD>(std::min<std::size_t>(куда.size(), MAXDWORD));
    if (!ReadFile(описатель_, куда.data(), сколько, &прочитано, nullptr))
        return std::nullopt;
    return прочитано;
}

// The name is checked again on the opened handle, in case it was replaced in between: a disk
// file is the only kind whose handle has a size.
std::variant<Обычный_файл, std::string> открыть_обычный_файл(const std::filesystem::path &путь) {
    if (известно_необычный(путь))
        return std::string(не_обычный);
    const HANDLE описатель =
        CreateFileW(путь.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (описатель == INVALID_HANDLE_VALUE)
        return std::string(не_открывается);
    LARGE_INTEGER размер;
    if (GetFileType(описатель) != FILE_TYPE_DISK || !GetFileSizeEx(описатель, &размер)) {
        CloseHandle(описатель);
        return std::string(не_обычный);
    }
    return Обычный_файл(описатель, static_cast<std::uintmax_t>(размер.QuadPart));
}

#else

Обычный_файл::~Обычный_файл() {
    if (описатель_ != закрытый)
        ::close(описатель_);
}

std::optional<std::size_t> Обычный_файл::прочитать(std::span<char> куда) {
    ssize_t прочитано;
    do
        прочитано = ::read(описатель_, куда.data(), куда.size());
    while (прочитано < 0 && errno == EINTR);
    if (прочитано < 0)
        return std::nullopt;
    return static_cast<std::size_t>(прочитано);
}

// Opened without waiting, since the name may have become a FIFO since it was checked; the
// opened descriptor is checked again. A regular file reads the same with or without waiting.
std::variant<Обычный_файл, std::string> открыть_обычный_файл(const std::filesystem::path &путь) {
    if (известно_необычный(путь))
        return std::string(не_обычный);
    const int описатель = ::open(путь.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (описатель < 0)
        return std::string(не_открывается);
    struct stat сведения {};
    if (::fstat(описатель, &сведения) != 0 || !S_ISREG(сведения.st_mode)) {
        ::close(описатель);
        return std::string(не_обычный);
    }
    return Обычный_файл(описатель, static_cast<std::uintmax_t>(сведения.st_size));
}

#endif

} // namespace круголет
