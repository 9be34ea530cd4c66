// krugolet-cli: the conversion of the window, for the command line and for scripts.

#include "apps/cli/console.h"
#include "apps/cli/json_report.h"
#include "apps/cli/moment_text.h"
#include "calendar/report.h"
#include "knowledge/library.h"
#include "knowledge/library_place.h"
#include "krugolet_version.h"
#include "ui/input_check.h"

#include <CLI/CLI.hpp>

#include <ctime>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

using namespace круголет;

namespace {

enum Выход { успех = 0, нет_отчета = 1, неверный_ввод = 2, нет_библиотеки = 3 };

constexpr std::string_view краткая_справка =
    "Использование: krugolet-cli [--library ФАЙЛ] [--json] [ДД.ММ.ГГГГ ЧЧ:ММ | -]\n"
    "Подробно: krugolet-cli --help\n";

constexpr std::string_view вне_промежутка =
    "Нет отчета: момент лежит вне Круга Жизни с 22.09.1868 19:00 до 22.09.2012 19:00";
constexpr std::string_view нет_записи =
    "Нет отчета: в библиотеке нет записи, нужной для этого момента";

Момент сейчас() {
    const std::tm местное = местное_время(std::time(nullptr));
    return {местное.tm_mday, местное.tm_mon + 1, местное.tm_year + 1900, местное.tm_hour,
            местное.tm_min};
}

std::string_view причина_без_отчета(const Момент &м) {
    return проверка_границ(м.день, м.месяц, м.год, м.час) ? нет_записи : вне_промежутка;
}

std::string в_строку(const nlohmann::json &j) {
    return j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

int текстом(const Знания &знания, const Момент &м, std::string_view приставка) {
    const auto текст = расчет(знания, м.день, м.месяц, м.год, м.час, м.минута);
    if (!текст) {
        std::cerr << причина_без_отчета(м) << '\n';
        return нет_отчета;
    }
    std::cout << приставка << *текст;
    return успех;
}

// One moment as one JSON object; an object with "error" when there is no report.
std::pair<nlohmann::json, bool> json_момента(const Знания &знания, const std::optional<Момент> &м) {
    if (!м)
        return {{{"error", текст_ошибки_ввода}}, false};
    const auto р = рассчитать(знания, м->день, м->месяц, м->год, м->час, м->минута);
    if (!р)
        return {{{"error", причина_без_отчета(*м)}}, false};
    return {json_расчета(*р, *м), true};
}

int json_строками(const Знания &знания) {
    bool все = true;
    std::string строка;
    while (std::getline(std::cin, строка)) {
        if (!строка.empty() && строка.back() == '\r')
            строка.pop_back();
        auto [объект, есть] = json_момента(знания, прочитать_момент(строка));
        if (!есть)
            объект["input"] = строка;
        все = все && есть;
        std::cout << в_строку(объект) << '\n';
    }
    return все ? успех : нет_отчета;
}

} // namespace

int main(int argc, char **argv) {
    CLI::App app{"Дата и время по Да'Арийскому Круголету: отчет о моменте григорианского "
                 "календаря (без момента: о текущем времени системных часов).",
                 "krugolet-cli"};
    настроить_вывод();
    std::string библиотека;
    bool json = false;
    std::vector<std::string> момент;
    app.add_option("--library", библиотека,
                   "файл библиотеки (по умолчанию библиотека.txt в текущем каталоге, рядом с "
                   "программой или в каталоге данных)");
    app.add_flag("--json", json, "все вычисленные значения одним объектом JSON");
    app.set_version_flag("--version", "krugolet-cli " KRUGOLET_VERSION);
    app.add_option("moment", момент,
                   "ДД.ММ.ГГГГ ЧЧ:ММ; \"-\" с --json: моменты построчно со стандартного ввода")
        ->expected(0, 2);
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success &e) { // --help, --version
        return app.exit(e);
    } catch (const CLI::ParseError &e) {
        std::cerr << e.what() << '\n' << краткая_справка;
        return неверный_ввод;
    }

    const bool из_ввода = момент.size() == 1 && момент[0] == "-";
    const bool одной_строкой = момент.size() == 1 && момент[0].find(' ') != std::string::npos;
    if ((момент.size() == 1 && !из_ввода && !одной_строкой) || (из_ввода && !json)) {
        std::cerr << краткая_справка;
        return неверный_ввод;
    }

    Знания знания = встроенные_знания();
    const auto файл = библиотека.empty() ? найти_библиотеку() : std::filesystem::path(библиотека);
    if (загрузить_библиотеку(файл, знания) != Загрузка::выполнена) {
        std::cerr << заголовок_ошибки_библиотеки << '\n' << текст_ошибки_библиотеки << '\n';
        return нет_библиотеки;
    }

    if (из_ввода)
        return json_строками(знания);

    const bool ныне = момент.empty();
    const auto м = ныне            ? std::optional(сейчас())
                   : одной_строкой ? прочитать_момент(момент[0])
                                   : прочитать_момент(момент[0], момент[1]);
    if (json) {
        const auto [объект, есть] = json_момента(знания, м);
        std::cout << в_строку(объект) << '\n';
        return есть ? успех : (м ? нет_отчета : неверный_ввод);
    }
    if (!м) {
        std::cerr << текст_ошибки_ввода << '\n';
        return неверный_ввод;
    }
    return текстом(знания, *м, ныне ? "Ныне:\n" : "");
}
