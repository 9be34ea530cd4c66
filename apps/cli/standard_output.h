#pragma once

#include "runtime/text_buffer.h"

namespace круголет {

// Standard output gathered into writes of 64 KiB and more: a batch of a million lines makes some
// thousands of writes instead of a million or two. It writes through the C library's stdout, as
// std::cout does, so what either writes stands in the order it was written, and a failed write
// leaves stdout's error mark, which the end of the program looks at.
class Накопленный_вывод {
  public:
    Накопленный_вывод() = default;
    Накопленный_вывод(const Накопленный_вывод &) = delete;
    Накопленный_вывод &operator=(const Накопленный_вывод &) = delete;

    // Where the text goes.
    Буфер_текста &буфер() { return буфер_; }

    // Writes what has gathered once there is enough of it. False once any write has failed (a
    // full disk, a pipe whose reader has gone): what comes after is dropped, so a batch can stop.
    bool отдать_накопленное();

    // Writes everything gathered; false once any write has failed. Nothing is written unless this
    // is called: the program's end must see every write done before it looks at stdout's mark.
    bool отдать();

  private:
    Буфер_текста буфер_;
};

} // namespace круголет
