#include "apps/cli/standard_output.h"

#include <cstdio>

namespace круголет {
namespace {

constexpr std::size_t размер_записи = std::size_t{64} << 10;

} // namespace

bool Накопленный_вывод::отдать_накопленное() {
    if (буфер_.размер() < размер_записи)
        return !std::ferror(stdout);
    return отдать();
}

bool Накопленный_вывод::отдать() {
    const auto текст = буфер_.текст();
    буфер_.очистить();
    if (std::ferror(stdout))
        return false;
    // An empty buffer may have no bytes at all, which fwrite must not be given.
    return текст.empty() || std::fwrite(текст.data(), 1, текст.size(), stdout) == текст.size();
}

} // namespace круголет
