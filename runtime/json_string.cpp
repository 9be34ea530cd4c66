#include "runtime/json_string.h"

#include <algorithm>
#include <cstring>
#include <utility>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace круголет {
namespace {

// The most bytes one byte of text may take escaped: "\u001f".
constexpr std::size_t наибольшая_запись = 6;

constexpr char замена[] = "\xEF\xBF\xBD";

char *записанное(char *куда, std::string_view текст) {
    return std::copy(текст.begin(), текст.end(), куда);
}

// One ASCII byte, escaped where JSON needs it.
char *записанный_ascii(unsigned char байт, char *куда) {
    switch (байт) {
    case '"':
        return записанное(куда, "\\\"");
    case '\\':
        return записанное(куда, "\\\\");
    case '\b':
        return записанное(куда, "\\b");
    case '\t':
        return записанное(куда, "\\t");
    case '\n':
        return записанное(куда, "\\n");
    case '\f':
        return записанное(куда, "\\f");
    case '\r':
        return записанное(куда, "\\r");
    default:
        break;
    }
    if (байт >= 0x20) {
        *куда = static_cast<char>(байт);
        return куда + 1;
    }
    constexpr std::string_view цифры = "0123456789abcdef";
    куда = записанное(куда, "\\u00");
    *куда++ = цифры[байт >> 4];
    *куда++ = цифры[байт & 0xF];
    return куда;
}

bool продолжение(char байт) {
    return (static_cast<unsigned char>(байт) & 0xC0) == 0x80;
}

// The three bytes are one whole character.
bool знак_из_трех_байт(const char *байты) {
    const auto начало = начало_знака(static_cast<unsigned char>(байты[0]));
    const auto второй = static_cast<unsigned char>(байты[1]);
    return начало.байт == 3 && второй >= начало.от && второй <= начало.до && продолжение(байты[2]);
}

// Copies a whole window's bytes to `куда`, which has room for them.
void скопировать_окно(const char *окно, char *куда) {
#ifdef __SSE2__
    const auto *откуда = reinterpret_cast<const __m128i *>(окно);
    _mm_storeu_si128(reinterpret_cast<__m128i *>(куда), _mm_loadu_si128(откуда));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(куда) + 1, _mm_loadu_si128(откуда + 1));
#else
    std::memcpy(куда, окно, байт_окна);
#endif
}

// The first `байт` bytes of the window, the ASCII ones marked in `особые` escaped. Every byte up
// to the window's end is written, escaped or not, and the end of the first `байт` given.
char *записанное_окно(const char *окно, std::size_t байт, std::uint32_t особые, char *куда) {
    if (особые == 0) {
        скопировать_окно(окно, куда);
        return куда + байт;
    }
    // The window, kept where a window's length can be read from any of its places on.
    alignas(16) char запас[2 * байт_окна];
    std::memcpy(запас, окно, байт_окна);
    std::size_t было = 0;
    for (; особые != 0; особые &= особые - 1) {
        const auto место = static_cast<std::size_t>(__builtin_ctz(особые));
        скопировать_окно(запас + было, куда);
        куда = записанный_ascii(static_cast<unsigned char>(запас[место]), куда + (место - было));
        было = место + 1;
    }
    скопировать_окно(запас + было, куда);
    return куда + (байт - было);
}

#ifdef __SSE2__

// Inlined into the fast path's loop, which it is most of.
[[gnu::always_inline]] inline Маски_окна маски(const char *окно) {
    const auto *откуда = reinterpret_cast<const __m128i *>(окно);
    const auto байты = [](char байт) { return _mm_set1_epi8(байт); };
    Маски_окна маски{};
    for (int половина = 0; половина < 2; ++половина) {
        const __m128i знаки = _mm_loadu_si128(откуда + половина);
        const auto биты = [половина](__m128i да) {
            return static_cast<std::uint32_t>(_mm_movemask_epi8(да)) << (16 * половина);
        };
        // Compared as signed bytes, 80..BF are -128..-65 and C2..DF are -62..-33.
        const __m128i управляющий = _mm_cmpeq_epi8(_mm_max_epu8(знаки, байты(0x1F)), байты(0x1F));
        маски.старшие |= биты(знаки);
        маски.особые |=
            биты(_mm_or_si128(_mm_or_si128(управляющий, _mm_cmpeq_epi8(знаки, байты('"'))),
                              _mm_cmpeq_epi8(знаки, байты('\\'))));
        маски.ведущие |= биты(
            _mm_and_si128(_mm_cmpgt_epi8(знаки, байты(-63)), _mm_cmplt_epi8(знаки, байты(-32))));
        маски.продолжения |= биты(_mm_cmplt_epi8(знаки, байты(-64)));
    }
    return маски;
}

#endif

Маски_окна маски_по_одному(const char *окно) {
    Маски_окна маски{};
    for (std::size_t место = 0; место < байт_окна; ++место) {
        const auto байт = static_cast<unsigned char>(окно[место]);
        const std::uint32_t бит = std::uint32_t{1} << место;
        маски.старшие |= байт >= 0x80 ? бит : 0;
        маски.особые |= байт < 0x20 || байт == '"' || байт == '\\' ? бит : 0;
        маски.ведущие |= байт >= 0xC2 && байт <= 0xDF ? бит : 0;
        маски.продолжения |= (байт & 0xC0) == 0x80 ? бит : 0;
    }
    return маски;
}

#ifndef __SSE2__

Маски_окна маски(const char *окно) {
    return маски_по_одному(окно);
}

#endif

} // namespace

Маски_окна маски_окна(const char *окно) {
    return маски(окно);
}

Маски_окна маски_окна_по_одному(const char *окно) {
    return маски_по_одному(окно);
}

std::size_t Память_json::место(std::string_view текст) const {
    // Fibonacci hashing of where the text lies.
    const auto адрес =
        static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(текст.data()) + текст.size());
    const std::size_t маска = записи_.size() - 1;
    for (std::size_t i = static_cast<std::size_t>((адрес * 0x9E3779B97F4A7C15u) >> 32) & маска;;
         i = (i + 1) & маска) {
        const auto &запись = записи_[i];
        if (запись.данные == nullptr ||
            (запись.данные == текст.data() && запись.размер == текст.size()))
            return i;
    }
}

std::optional<std::string_view> Память_json::найти(std::string_view текст) const {
    const auto &запись = записи_[место(текст)];
    if (запись.данные == nullptr)
        return std::nullopt;
    return экранированные_.текст().substr(запись.начало, запись.длина);
}

void Память_json::запомнить(std::string_view текст, std::string_view экранированный) {
    if (2 * (занято_ + 1) > записи_.size())
        вырасти();
    auto &запись = записи_[место(текст)];
    if (запись.данные != nullptr)
        return;
    запись = {текст.data(), текст.size(), экранированные_.размер(), экранированный.size()};
    экранированные_.дописать(экранированный);
    ++занято_;
}

void Память_json::вырасти() {
    auto прежние = std::exchange(записи_, std::vector<Запись>(2 * записи_.size()));
    for (const auto &запись : прежние)
        if (запись.данные != nullptr)
            записи_[место({запись.данные, запись.размер})] = запись;
}

Строка_json::Строка_json(Буфер_текста &буфер, Память_json *память)
    : буфер_(буфер), память_(память) {
    буфер_.дописать('"');
}

void Строка_json::дописать(std::string_view кусок) {
    // What a piece gives depends on its bytes alone when no character is held from before it.
    const bool помнить =
        память_ != nullptr && начато_ == 0 && кусок.size() >= Память_json::наименьший_текст;
    if (помнить) {
        if (const auto экранированный = память_->найти(кусок)) {
            буфер_.дописать(*экранированный);
            return;
        }
    }
    const std::size_t начало = буфер_.размер();
    записать(кусок);
    if (помнить && начато_ == 0)
        память_->запомнить(кусок, буфер_.текст().substr(начало));
}

void Строка_json::дописать_готовое(std::string_view кусок) {
    // A character begun and not finished before the piece cannot be finished by its whole
    // characters; an empty piece leaves it to the next.
    if (кусок.empty())
        return;
    char *куда = буфер_.место(sizeof замена + кусок.size());
    if (начато_ != 0)
        куда = записанное(куда, замена);
    начато_ = 0;
    буфер_.занять(записанное(куда, кусок));
}

void Строка_json::записать(std::string_view кусок) {
    const char *откуда = кусок.data();
    const char *const конец = откуда + кусок.size();
    // Room for the worst case, a character held from the piece before become U+FFFD included,
    // and for the whole window the fast path stores past what it takes.
    char *куда = буфер_.место(кусок.size() * наибольшая_запись + sizeof замена + байт_окна);
    while (откуда != конец) {
        if (начато_ == 0 && через_окна(откуда, кусок.data(), конец, куда))
            continue;
        куда = через_разбор(static_cast<unsigned char>(*откуда++), куда);
    }
    буфер_.занять(куда);
}

void Строка_json::закрыть() {
    char *куда = буфер_.место(sizeof замена);
    if (начато_ != 0)
        куда = записанное(куда, замена);
    начато_ = 0;
    *куда = '"';
    буфер_.занять(куда + 1);
}

// The fast path, a window of 32 bytes at a time: ASCII, escaped where needed, and whole
// characters of two bytes, up to the first byte that must be decoded (a character of three or
// four bytes, a byte that is not UTF-8). A character of two bytes may stand across two windows:
// its lead byte is written with the first and taken back if the second does not open with its
// continuation. Nothing is left begun. False when it took nothing.
bool Строка_json::через_окна(const char *&откуда_, const char *начало, const char *конец,
                             char *&куда_) {
    // Kept apart from the caller's, which the stores into the text could alias.
    const char *откуда = откуда_;
    char *куда = куда_;
    std::uint32_t перенос = 0;
    for (;;) {
        // Whole windows that are copied as they are, most of a text, in a loop of their own.
        for (; конец - откуда >= static_cast<std::ptrdiff_t>(байт_окна);
             откуда += байт_окна, куда += байт_окна) {
            const auto признаки = маски(откуда);
            const std::uint32_t ждут_продолжения = признаки.ведущие << 1 | перенос;
            if ((признаки.особые | (признаки.старшие ^ (признаки.ведущие | признаки.продолжения)) |
                 (признаки.продолжения ^ ждут_продолжения)) != 0)
                break;
            скопировать_окно(откуда, куда);
            перенос = признаки.ведущие >> (байт_окна - 1);
        }
        if (откуда == конец)
            break;
        const auto есть = std::min(static_cast<std::size_t>(конец - откуда), байт_окна);
        // A text's last bytes are looked at in a copy, followed by zero bytes: the last whole
        // window of the text, read at once, with the bytes already written before them, or the
        // bytes alone where the text is shorter than a window.
        alignas(16) char хвост[2 * байт_окна] = {};
        const char *окно = откуда;
        if (есть < байт_окна) {
            const std::size_t сдвиг = байт_окна - есть;
            if (static_cast<std::size_t>(откуда - начало) >= сдвиг) {
                std::memcpy(хвост, конец - байт_окна, байт_окна);
                окно = хвост + сдвиг;
            } else {
                std::memcpy(хвост, откуда, есть);
                окно = хвост;
            }
        }
        const auto признаки = маски(окно);
        if (перенос != 0 && (признаки.продолжения & 1) == 0)
            break;
        const std::uint32_t за_концом = есть < байт_окна ? ~std::uint32_t{0} << есть : 0;
        const std::uint32_t ждут_продолжения = признаки.ведущие << 1 | перенос;
        // The first byte that must be decoded, or the lead byte before a continuation missing.
        const std::uint32_t трудные =
            (признаки.старшие & ~(признаки.ведущие | признаки.продолжения)) |
            (признаки.продолжения & ~ждут_продолжения) |
            (ждут_продолжения & ~признаки.продолжения) >> 1 | за_концом;
        const auto простых =
            трудные == 0 ? байт_окна : static_cast<std::size_t>(__builtin_ctz(трудные));
        const std::uint32_t до_трудного =
            простых == байт_окна ? ~std::uint32_t{0} : (std::uint32_t{1} << простых) - 1;
        куда = записанное_окно(окно, простых, признаки.особые & до_трудного, куда);
        откуда += простых;
        перенос = простых == байт_окна ? признаки.ведущие >> (байт_окна - 1) : 0;
        if (простых == байт_окна)
            continue;
        // A whole character of three bytes ("№", "—") is copied here, and the windows go on
        // after it, instead of its bytes going one by one through the slow path.
        if (простых + 3 > есть || !знак_из_трех_байт(окно + простых))
            break;
        куда = std::copy(откуда, откуда + 3, куда);
        откуда += 3;
    }
    // A lead byte that ends the last whole window goes to the slow path with its character.
    откуда -= перенос;
    куда -= перенос;
    const bool взято = откуда != откуда_;
    откуда_ = откуда;
    куда_ = куда;
    return взято;
}

// A byte that the fast path did not take: it escapes it, goes on with a character begun, or
// begins one.
char *Строка_json::через_разбор(unsigned char байт, char *куда) {
    if (начато_ != 0) {
        const bool годится =
            начато_ == 1 ? байт >= от_ && байт <= до_ : продолжение(static_cast<char>(байт));
        if (годится) {
            начатый_[начато_++] = static_cast<char>(байт);
            if (начато_ < нужно_)
                return куда;
            куда = std::copy(начатый_, начатый_ + нужно_, куда);
            начато_ = 0;
            return куда;
        }
        // The character cannot be finished: it becomes U+FFFD, and this byte begins afresh.
        куда = записанное(куда, замена);
        начато_ = 0;
    }
    if (байт < 0x80)
        return записанный_ascii(байт, куда);
    return начатый_знак(байт, куда);
}

char *Строка_json::начатый_знак(unsigned char байт, char *куда) {
    const auto начало = начало_знака(байт);
    if (начало.байт == 0)
        return записанное(куда, замена);
    начатый_[0] = static_cast<char>(байт);
    начато_ = 1;
    нужно_ = начало.байт;
    от_ = начало.от;
    до_ = начало.до;
    return куда;
}

void дописать_строку_json(Буфер_текста &буфер, std::string_view текст) {
    Строка_json строка(буфер);
    строка.дописать(текст);
    строка.закрыть();
}

} // namespace круголет
