#include "runtime/text_buffer.h"

namespace круголет {

void Буфер_текста::вырасти(std::size_t байт) {
    // Doubling keeps the copies of a growing text to about its own size in all.
    const std::size_t емкость = std::max({2 * емкость_, размер_ + байт, std::size_t{256}});
    // new char[] leaves the bytes uninitialised, which is the point of this buffer.
    std::unique_ptr<char[]> байты(new char[емкость]);
    std::copy(байты_.get(), байты_.get() + размер_, байты.get());
    байты_ = std::move(байты);
    емкость_ = емкость;
}

} // namespace круголет
