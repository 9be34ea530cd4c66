#include "runtime/json_string.h"

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace круголет {
namespace {

constexpr std::size_t окно = 16;

// The most bytes one byte of text may take escaped: "\u001f".
constexpr std::size_t наибольшая_запись = 6;

constexpr char замена[] = "\xEF\xBF\xBD";

// What a byte that begins a character of two to four bytes says about it: how many bytes it has,
// and the bounds of its second byte. Zero bytes for one that begins none.
struct Начало {
    std::uint8_t байт;
    std::uint8_t от;
    std::uint8_t до;
};

constexpr Начало начало_знака(unsigned char байт) {
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

bool простой_ascii(unsigned char байт) {
    return байт >= 0x20 && байт < 0x80 && байт != '"' && байт != '\\';
}

} // namespace

std::size_t простые_байты_по_одному(const char *откуда, std::size_t байт, char *куда) {
    const std::size_t смотреть = std::min(байт, окно);
    std::size_t простых = 0;
    while (простых < смотреть) {
        const auto первый = static_cast<unsigned char>(откуда[простых]);
        const std::size_t длина = простой_ascii(первый) ? 1
                                  : первый >= 0xC2 && первый <= 0xDF && простых + 1 < смотреть &&
                                          продолжение(откуда[простых + 1])
                                      ? 2
                                      : 0;
        if (длина == 0)
            break;
        std::copy(откуда + простых, откуда + простых + длина, куда + простых);
        простых += длина;
    }
    return простых;
}

#ifdef __SSE2__

// The same over sixteen bytes at once: a bit for each byte says what it is, and the count is the
// place of the first byte that is none of the simple ones.
std::size_t простые_байты(const char *откуда, std::size_t байт, char *куда) {
    __m128i знаки;
    if (байт >= окно) {
        знаки = _mm_loadu_si128(reinterpret_cast<const __m128i *>(откуда));
    } else {
        // Past the end the window holds zero bytes, control characters, which end the count.
        alignas(16) char конец[окно] = {};
        std::memcpy(конец, откуда, байт);
        знаки = _mm_load_si128(reinterpret_cast<const __m128i *>(конец));
    }
    const auto биты = [](__m128i да) { return static_cast<unsigned>(_mm_movemask_epi8(да)); };
    const auto под_маской = [&](unsigned char маска, unsigned char значение) {
        return биты(_mm_cmpeq_epi8(_mm_and_si128(знаки, _mm_set1_epi8(static_cast<char>(маска))),
                                   _mm_set1_epi8(static_cast<char>(значение))));
    };
    const unsigned старшие = биты(знаки);
    const unsigned управляющие = под_маской(0xE0, 0x00);
    const unsigned кавычки = биты(_mm_cmpeq_epi8(знаки, _mm_set1_epi8('"')));
    const unsigned обратные = биты(_mm_cmpeq_epi8(знаки, _mm_set1_epi8('\\')));
    // C2..DF lead a character of two bytes; C0 and C1 could only lead an overlong one.
    const unsigned ведущие = под_маской(0xE0, 0xC0) & ~под_маской(0xFE, 0xC0);
    const unsigned продолжения = под_маской(0xC0, 0x80);
    const unsigned непростые = управляющие | кавычки | обратные |
                               (старшие & ~(ведущие | продолжения)) |
                               (продолжения & ~(ведущие << 1)) | (ведущие & ~(продолжения >> 1));
    const auto простых = static_cast<std::size_t>(__builtin_ctz(непростые | (1u << окно)));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(куда), знаки);
    return простых;
}

#else

std::size_t простые_байты(const char *откуда, std::size_t байт, char *куда) {
    return простые_байты_по_одному(откуда, байт, куда);
}

#endif

Строка_json::Строка_json(Буфер_текста &буфер) : буфер_(буфер) {
    буфер_.дописать('"');
}

void Строка_json::дописать(std::string_view кусок) {
    const char *откуда = кусок.data();
    const char *const конец = откуда + кусок.size();
    // Room for the worst case, a character held from the piece before become U+FFFD included,
    // and for the whole window the fast path stores.
    char *куда = буфер_.место(кусок.size() * наибольшая_запись + sizeof замена + окно);
    while (откуда != конец) {
        if (начато_ == 0) {
            const auto простых =
                простые_байты(откуда, static_cast<std::size_t>(конец - откуда), куда);
            откуда += простых;
            куда += простых;
            if (простых == окно || откуда == конец)
                continue;
        }
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
