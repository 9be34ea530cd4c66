#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string_view>

namespace круголет {

// Text written through a pointer into room asked for beforehand. std::string clears the room it
// is resized to; here the room is left as it is, for the writer fills it: a JSON string asks for
// six bytes of room for each byte it may have to escape, and clearing all that would cost more
// than writing the text. The buffer keeps its room when emptied, so a loop that fills and empties
// it allocates only while it grows.
class Буфер_текста {
  public:
    // Room for `байт` more bytes after the text, and where it begins; the text stays as it is.
    char *место(std::size_t байт) {
        if (емкость_ - размер_ < байт)
            вырасти(байт);
        return байты_.get() + размер_;
    }

    // The bytes written from место() on up to `конец` join the text.
    void занять(const char *конец) { размер_ = static_cast<std::size_t>(конец - байты_.get()); }

    void дописать(std::string_view текст) {
        занять(std::copy(текст.begin(), текст.end(), место(текст.size())));
    }

    void дописать(char знак) {
        char *куда = место(1);
        *куда = знак;
        занять(куда + 1);
    }

    std::string_view текст() const { return {байты_.get(), размер_}; }
    std::size_t размер() const { return размер_; }
    void очистить() { размер_ = 0; }

  private:
    void вырасти(std::size_t байт);

    std::unique_ptr<char[]> байты_;
    std::size_t размер_ = 0;
    std::size_t емкость_ = 0;
};

} // namespace круголет
