#include "output/report_templates_json.h"

#include "runtime/json_string.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <tuple>

namespace круголет {
namespace {

constexpr auto поля_шаблонов = std::tuple{&Шаблоны_отчета::дата,
                                          &Шаблоны_отчета::заголовок,
                                          &Шаблоны_отчета::сотворение,
                                          &Шаблоны_отчета::лето,
                                          &Шаблоны_отчета::день,
                                          &Шаблоны_отчета::время,
                                          &Шаблоны_отчета::характеристика_дня,
                                          &Шаблоны_отчета::характеристика_лета,
                                          &Шаблоны_отчета::покровитель};

template <std::size_t Вставок> constexpr bool шаблон_без_экранов(const Шаблон<Вставок> &шаблон) {
    for (std::size_t место = 0; место <= Вставок; ++место)
        if (!только_переводы_строк(шаблон.кусок(место)))
            return false;
    return true;
}

static_assert(
    std::apply([](auto... поле) { return (шаблон_без_экранов(шаблоны_отчета.*поле) && ...); },
               поля_шаблонов),
    "the report's templates need no escaping in JSON but of their line feeds");

// The template's text with its placeholders, its line feeds escaped, written from `куда` on
// unless it is null; its size.
template <std::size_t Вставок>
constexpr std::size_t записанный_в_json(const Шаблон<Вставок> &шаблон, char *куда) {
    std::size_t размер = 0;
    const auto записать = [&](char знак) {
        if (куда != nullptr)
            куда[размер] = знак;
        ++размер;
    };
    for (std::size_t место = 0; место <= Вставок; ++место) {
        if (место > 0)
            записать('%');
        for (const char знак : шаблон.кусок(место)) {
            if (знак == '\n')
                записать('\\');
            записать(знак == '\n' ? 'n' : знак);
        }
    }
    return размер;
}

constexpr auto тексты_в_json = [] {
    constexpr std::size_t размер = std::apply(
        [](auto... поле) { return (записанный_в_json(шаблоны_отчета.*поле, nullptr) + ...); },
        поля_шаблонов);
    std::array<char, размер> тексты{};
    std::size_t место = 0;
    std::apply(
        [&](auto... поле) {
            ((место += записанный_в_json(шаблоны_отчета.*поле, тексты.data() + место)), ...);
        },
        поля_шаблонов);
    return тексты;
}();

// The next template of тексты_в_json, which begins at `место`.
template <std::size_t Вставок>
consteval Шаблон<Вставок> следующий_в_json(const Шаблон<Вставок> &шаблон, std::size_t &место) {
    const std::size_t размер = записанный_в_json(шаблон, nullptr);
    const std::string_view текст(тексты_в_json.data() + место, размер);
    место += размер;
    return Шаблон<Вставок>(текст);
}

consteval Шаблоны_отчета шаблоны_из_текстов_в_json() {
    std::size_t место = 0;
    const auto &шаблоны = шаблоны_отчета;
    return {следующий_в_json(шаблоны.дата, место),
            следующий_в_json(шаблоны.заголовок, место),
            следующий_в_json(шаблоны.сотворение, место),
            следующий_в_json(шаблоны.лето, место),
            следующий_в_json(шаблоны.день, место),
            следующий_в_json(шаблоны.время, место),
            следующий_в_json(шаблоны.характеристика_дня, место),
            следующий_в_json(шаблоны.характеристика_лета, место),
            следующий_в_json(шаблоны.покровитель, место)};
}

constexpr Шаблоны_отчета шаблоны_в_json = шаблоны_из_текстов_в_json();

} // namespace

const Шаблоны_отчета &шаблоны_отчета_в_json() {
    return шаблоны_в_json;
}

} // namespace круголет
