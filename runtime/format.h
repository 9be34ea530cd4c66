#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace круголет {

// A value inserted into a template: an integer or a piece of text.
using Значение = std::variant<std::int64_t, std::string_view>;

// Copies the template, replacing each "%" by the next value: integers as plain decimal
// digits, text unchanged. A "s" directly after "%" is taken as part of the placeholder when
// the value is text, a "d" when it is an integer; any other character after "%" is ordinary
// text. Inserted values are never scanned. A "%" with no value left is copied as it stands.
std::string форматировать(std::string_view шаблон, std::initializer_list<Значение> значения);

// The same, appended to `текст`: a text composed of several templates is written where it ends
// up instead of being copied there from a string of its own.
void дописать_по_шаблону(std::string &текст, std::string_view шаблон,
                         std::initializer_list<Значение> значения);

// Appends a number in decimal, with leading zeros up to the given count of digits as dates are
// written ("07").
void дописать_число(std::string &текст, std::int64_t число, int цифр = 0);

// The pieces joined into one string, allocated once.
std::string сцепленные(std::initializer_list<std::string_view> части);

} // namespace круголет
