#pragma once

#include "runtime/json_string.h"
#include "runtime/text_buffer.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

namespace круголет {

// JSON written straight into a buffer as the values come, on one line and without blanks, with
// no document built first. The caller gives the keys in the order they are to stand; they are
// its own ASCII words and are written as they are. A comma goes before every value and key but
// the first in an object or list.
class Запись_json {
  public:
    explicit Запись_json(Буфер_текста &буфер) : буфер_(буфер) {}

    void начать_объект() { открыть('{'); }
    void кончить_объект() { закрыть('}'); }
    void начать_список() { открыть('['); }
    void кончить_список() { закрыть(']'); }

    void ключ(std::string_view ключ) {
        перед_значением();
        // Inline, so that the copy of a key given as a literal is one of known length.
        char *куда = буфер_.место(ключ.size() + 3);
        *куда++ = '"';
        куда = std::copy(ключ.begin(), ключ.end(), куда);
        *куда++ = '"';
        *куда++ = ':';
        буфер_.занять(куда);
        // The value follows the key without a comma.
        после_значения_ = false;
    }

    void число(std::int64_t число);
    // null for nothing.
    void число_или_null(std::optional<std::int64_t> число);
    // true or false. No поле() takes a bool: a literal text or a number would be taken for one.
    void логическое(bool значение);
    void строка(std::string_view текст);
    // A long text that `память` keeps escaped is copied from it instead of escaped again, and one
    // escaped now is kept (Память_json): only for texts that stay where they lie while the memory
    // lives, such as the tables' rows.
    void строка(std::string_view текст, Память_json &память);
    // null for nothing.
    void строка_или_null(std::optional<std::string_view> текст);

    // A string written in pieces: the caller appends them and closes it.
    Строка_json начать_строку(Память_json *память = nullptr);

    // A key and its value.
    void поле(std::string_view ключ, std::int64_t значение) {
        this->ключ(ключ);
        число(значение);
    }
    void поле(std::string_view ключ, std::string_view значение) {
        this->ключ(ключ);
        строка(значение);
    }
    void поле(std::string_view ключ, std::string_view значение, Память_json &память) {
        this->ключ(ключ);
        строка(значение, память);
    }
    void поле_или_null(std::string_view ключ, std::optional<std::string_view> значение) {
        this->ключ(ключ);
        строка_или_null(значение);
    }

  private:
    void перед_значением() {
        if (после_значения_)
            буфер_.дописать(',');
        после_значения_ = true;
    }
    void открыть(char скобка);
    void закрыть(char скобка);

    Буфер_текста &буфер_;
    // Something stands before the next value or key in its object or list.
    bool после_значения_ = false;
};

} // namespace круголет
