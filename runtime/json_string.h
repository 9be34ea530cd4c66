#pragma once

#include "runtime/text_buffer.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace круголет {

// A JSON string written into a buffer piece by piece, escaped as the programs' JSON has always
// been: a quote and a backslash behind a backslash, the line feed, carriage return, tab, form feed
// and backspace by their letters (\n, \r, \t, \f, \b), every other control character as \u00xx
// in small hex digits, and every other character as its own UTF-8 bytes. Bytes that are not
// UTF-8 become U+FFFD, one for each longest start of a character that cannot be finished (a
// stray continuation byte, say, or a lead byte followed by no continuation), so that a reader
// that insists on UTF-8 always gets it. The pieces may cut a character anywhere: its bytes are
// held from one piece to the next, so a text in pieces gives the bytes it gives whole.
class Строка_json {
  public:
    // Opens the string with its quote.
    explicit Строка_json(Буфер_текста &буфер);

    void дописать(std::string_view кусок);

    // Closes the string with its quote; a character begun and not finished ends as U+FFFD.
    void закрыть();

  private:
    char *через_разбор(unsigned char байт, char *куда);
    char *начатый_знак(unsigned char байт, char *куда);

    Буфер_текста &буфер_;
    // The bytes of a character begun and not yet finished, and how many it needs.
    char начатый_[4] = {};
    std::uint8_t начато_ = 0;
    std::uint8_t нужно_ = 0;
    // The bounds of its second byte, which are narrower after some lead bytes: overlong forms,
    // the surrogates and code points beyond U+10FFFF are no UTF-8.
    std::uint8_t от_ = 0;
    std::uint8_t до_ = 0;
};

// A whole text as a JSON string, quotes included.
void дописать_строку_json(Буфер_текста &буфер, std::string_view текст);

// How many bytes at the start of `откуда` (of `байт`, at most 16 of them) need no escaping: ASCII
// other than the control characters, quote and backslash, and whole characters of two bytes
// (Cyrillic among them). They are copied to `куда`, which must have room for 16 bytes whatever
// the count; a character cut by the sixteenth byte is left out. The second form looks at one
// byte at a time: the first uses SSE2 where the processor has it, and both give the same count.
std::size_t простые_байты(const char *откуда, std::size_t байт, char *куда);
std::size_t простые_байты_по_одному(const char *откуда, std::size_t байт, char *куда);

} // namespace круголет
