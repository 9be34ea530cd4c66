#pragma once

#include "runtime/text_buffer.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace круголет {

// The long texts already written as JSON, kept escaped: a text written again (a value, and the
// report that holds it; the same table row in the next line of a batch) is copied instead of
// escaped again. A library's texts take some hundreds of kilobytes escaped. A text is known by
// where it lies and its length, so only texts that stay where they are and as they are while the
// memory lives may be given with it: the rows of tables that do not change meanwhile, the program's
// own constants, never a temporary string, whose place the next one may take.
class Память_json {
  public:
    // Shorter texts cost less to escape again than to look up.
    static constexpr std::size_t наименьший_текст = 16;

    // The text escaped, or nothing when it has not been kept.
    std::optional<std::string_view> найти(std::string_view текст) const;
    void запомнить(std::string_view текст, std::string_view экранированный);

  private:
    struct Запись {
        const char *данные = nullptr;
        std::size_t размер = 0;
        std::size_t начало = 0;
        std::size_t длина = 0;
    };

    // The place of the text's record, or of the empty one where it would go.
    std::size_t место(std::string_view текст) const;
    void вырасти();

    // Open addressing, never more than half full; the escaped texts one after the other.
    std::vector<Запись> записи_ = std::vector<Запись>(64);
    std::size_t занято_ = 0;
    Буфер_текста экранированные_;
};

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
    // Opens the string with its quote. With `память`, a long piece it keeps escaped is copied
    // from there, and one escaped now is kept.
    explicit Строка_json(Буфер_текста &буфер, Память_json *память = nullptr);

    void дописать(std::string_view кусок);

    // A piece already escaped (the program's own text escaped when it was compiled, the digits
    // of a number), copied as it is. It must be whole UTF-8 characters.
    void дописать_готовое(std::string_view кусок);

    // Closes the string with its quote; a character begun and not finished ends as U+FFFD.
    void закрыть();

  private:
    void записать(std::string_view кусок);
    bool через_окна(const char *&откуда, const char *начало, const char *конец, char *&куда);
    char *через_разбор(unsigned char байт, char *куда);
    char *начатый_знак(unsigned char байт, char *куда);

    Буфер_текста &буфер_;
    Память_json *память_;
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

// What a byte that begins a character of two to four bytes says about it: how many bytes it has,
// and the bounds of its second byte, narrower after some lead bytes, since overlong forms, the
// surrogates and code points beyond U+10FFFF are no UTF-8. Zero bytes for one that begins none.
struct Начало_знака {
    std::uint8_t байт;
    std::uint8_t от;
    std::uint8_t до;
};

constexpr Начало_знака начало_знака(unsigned char байт) {
    if (байт >= 0xC2 && байт <= 0xDF)
        return {2, 0x80, 0xBF};
    if (байт == 0xE0)
        return {3, 0xA0, 0xBF};
    if (байт == 0xED)
        return {3, 0x80, 0x9F};
    if (байт >= 0xE1 && байт <= 0xEF)
        return {3, 0x80, 0xBF};
    if (байт == 0xF0)
        return {4, 0x90, 0xBF};
    if (байт >= 0xF1 && байт <= 0xF3)
        return {4, 0x80, 0xBF};
    if (байт == 0xF4)
        return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

// The text is UTF-8 in which nothing needs escaping in JSON but line feeds, which the program's
// own texts can have escaped when it is compiled.
constexpr bool только_переводы_строк(std::string_view текст) {
    for (std::size_t место = 0; место < текст.size();) {
        const auto байт = static_cast<unsigned char>(текст[место++]);
        if (байт < 0x80) {
            if ((байт < 0x20 && байт != '\n') || байт == '"' || байт == '\\')
                return false;
            continue;
        }
        const auto начало = начало_знака(байт);
        if (начало.байт == 0 || место + начало.байт - 1 > текст.size())
            return false;
        for (std::size_t i = 1; i < начало.байт; ++i, ++место) {
            const auto следующий = static_cast<unsigned char>(текст[место]);
            if (i == 1 ? следующий < начало.от || следующий > начало.до
                       : (следующий & 0xC0) != 0x80)
                return false;
        }
    }
    return true;
}

// The fast path looks at the text 32 bytes at a time, a bit for each byte in each mask.
inline constexpr std::size_t байт_окна = 32;

struct Маски_окна {
    std::uint32_t старшие;     // 80..FF: part of a character of more than one byte
    std::uint32_t особые;      // the control characters, quote and backslash, escaped
    std::uint32_t ведущие;     // C2..DF: the lead byte of a character of two bytes
    std::uint32_t продолжения; // 80..BF
};

// The masks of the 32 bytes from `окно` on: the first with SSE2 where the processor has it,
// the second a byte at a time; both give the same.
Маски_окна маски_окна(const char *окно);
Маски_окна маски_окна_по_одному(const char *окно);

} // namespace круголет
