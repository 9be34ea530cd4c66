// krugolet-cli: the conversion of the window, for the command line and for scripts.

#include "apps/cli/arguments.h"
#include "apps/cli/json_report.h"
#include "apps/cli/moment_text.h"
#include "calendar/input_check.h"
#include "calendar/report.h"
#include "knowledge/library.h"

#include <cstdio>
#include <ctime>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

using namespace круголет;

namespace {

enum Выход {
    успех = 0,
    нет_отчета = 1,
    неверный_ввод = 2,
    нет_библиотеки = 3,
    сбой_ввода_вывода = 4
};

constexpr std::string_view синтаксис =
    "Использование: krugolet-cli [--library ФАЙЛ] [--json] [ДД.ММ.ГГГГ ЧЧ:ММ | -]\n";

constexpr std::string_view краткая_справка = "Подробно: krugolet-cli --help\n";

constexpr std::string_view справка =
    "\n"
    "Дата и время по Да'Арийскому Круголету: отчет о моменте григорианского календаря\n"
    "(без момента: о текущем времени системных часов, после строки \"Ныне:\").\n"
    "\n"
    "  ДД.ММ.ГГГГ ЧЧ:ММ  момент; поля читаются, как их читает окно программы\n"
    "                    (0x1F и 0o17 тоже числа, пробелы вокруг поля допустимы)\n"
    "  -                 с --json: моменты построчно со стандартного ввода\n"
    "  --library ФАЙЛ    другая библиотека вместо библиотека.txt в текущей папке\n"
    "  --json            все вычисленные значения одним объектом JSON\n"
    "  --help            эта справка\n"
    "\n"
    "Круг Жизни: с 22.09.1868 19:00 до 22.09.2012 19:00 (не включая).\n"
    "\n"
    "Коды выхода:\n"
    "  0  отчет выведен\n"
    "  1  нет отчета: момент системных часов вне Круга Жизни или в библиотеке нет записи\n"
    "  2  неправильные данные (введенный момент вне Круга Жизни тоже) или ошибка в аргументах\n"
    "  3  библиотека отсутствует или повреждена\n"
    "  4  не удалось записать на стандартный вывод или прочитать стандартный ввод\n";

constexpr std::string_view вне_промежутка =
    "Нет отчета: момент лежит вне Круга Жизни с 22.09.1868 19:00 до 22.09.2012 19:00";
constexpr std::string_view нет_записи =
    "Нет отчета: в библиотеке нет записи, нужной для этого момента";
constexpr std::string_view сбой_вывода = "Не удалось записать на стандартный вывод";
constexpr std::string_view сбой_ввода = "Не удалось прочитать стандартный ввод";

Момент сейчас() {
    const std::time_t t = std::time(nullptr);
    std::tm местное{};
    localtime_r(&t, &местное);
    return {местное.tm_mday, местное.tm_mon + 1, местное.tm_year + 1900, местное.tm_hour,
            местное.tm_min};
}

std::string_view причина_без_отчета(const Момент &м) {
    return проверка_границ(м) ? нет_записи : вне_промежутка;
}

std::string в_строку(const nlohmann::json &j) {
    return j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// Everything written has reached the output; a full disk or a closed descriptor shows only here.
int вывод_записан(int код) {
    if (std::cout.flush())
        return код;
    std::cerr << сбой_вывода << '\n';
    return сбой_ввода_вывода;
}

int текстом(const Знания &знания, const Момент &м, std::string_view приставка) {
    const auto текст = расчет(знания, м);
    if (!текст) {
        std::cerr << причина_без_отчета(м) << '\n';
        return нет_отчета;
    }
    std::cout << приставка << *текст;
    return вывод_записан(успех);
}

// One moment as one JSON object; an object with "error" when there is no report.
std::pair<nlohmann::json, bool> json_момента(const Знания &знания, const std::optional<Момент> &м) {
    if (!м)
        return {{{"error", текст_ошибки_ввода}}, false};
    const auto р = рассчитать(знания, *м);
    if (!р)
        return {{{"error", причина_без_отчета(*м)}}, false};
    return {json_расчета(*р, *м), true};
}

int json_строками(const Знания &знания) {
    bool все = true;
    std::string строка;
    while (std::cout && std::getline(std::cin, строка)) {
        if (!строка.empty() && строка.back() == '\r')
            строка.pop_back();
        auto [объект, есть] = json_момента(знания, прочитать_момент(строка));
        if (!есть)
            объект["input"] = строка;
        все = все && есть;
        std::cout << в_строку(объект) << '\n';
    }
    if (std::ferror(stdin)) {
        std::cerr << сбой_ввода << '\n';
        return сбой_ввода_вывода;
    }
    return вывод_записан(все ? успех : нет_отчета);
}

int ошибка_использования(std::string_view текст) {
    std::cerr << текст << '\n' << синтаксис << краткая_справка;
    return неверный_ввод;
}

// The library named on the command line is named in the message, with the line and what was
// wrong on it; the default one keeps the window's text.
int без_библиотеки(const std::optional<std::string> &файл, const Сбой_загрузки &сбой) {
    if (!файл) {
        std::cerr << заголовок_ошибки_библиотеки << '\n' << текст_ошибки_библиотеки << '\n';
        return нет_библиотеки;
    }
    std::cerr << заголовок_ошибки_библиотеки << '\n' << *файл << ": ";
    if (сбой.строка > 0)
        std::cerr << "строка " << сбой.строка << ": ";
    std::cerr << сбой.причина << '\n';
    return нет_библиотеки;
}

} // namespace

int main(int argc, char **argv) {
    const std::vector<std::string_view> аргументы(argv + 1, argv + argc);
    const auto разбор = разобрать_аргументы(аргументы);
    if (const auto *ошибка = std::get_if<Ошибка_аргументов>(&разбор))
        return ошибка_использования(ошибка->текст);
    const Параметры &п = std::get<Параметры>(разбор);
    if (п.справка) {
        std::cout << синтаксис << справка;
        return вывод_записан(успех);
    }

    Знания знания = встроенные_знания();
    if (const auto сбой = загрузить_библиотеку_подробно(
            п.библиотека ? std::filesystem::path(*п.библиотека) : имя_библиотеки, знания))
        return без_библиотеки(п.библиотека, *сбой);

    if (п.момент.size() == 1 && п.момент[0] == "-")
        return json_строками(знания);

    const bool ныне = п.момент.empty();
    const auto м = ныне                   ? std::optional(сейчас())
                   : п.момент.size() == 1 ? прочитать_момент(п.момент[0])
                                          : прочитать_момент(п.момент[0], п.момент[1]);
    if (п.json) {
        const auto [объект, есть] = json_момента(знания, м);
        std::cout << в_строку(объект) << '\n';
        return вывод_записан(есть ? успех : (м ? нет_отчета : неверный_ввод));
    }
    if (!м) {
        std::cerr << текст_ошибки_ввода << '\n';
        return неверный_ввод;
    }
    return текстом(знания, *м, ныне ? "Ныне:\n" : "");
}
