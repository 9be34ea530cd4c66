// krugolet-cli: the conversion of the window, for the command line and for scripts.

#include "apps/cli/arguments.h"
#include "apps/cli/batch_line.h"
#include "apps/cli/console.h"
#include "apps/cli/exit_status.h"
#include "apps/cli/json_report.h"
#include "apps/cli/moment_text.h"
#include "apps/cli/views.h"
#include "calendar/input_check.h"
#include "calendar/report.h"
#include "calendar/values.h"
#include "knowledge/library.h"
#include "knowledge/library_place.h"
#include "krugolet_version.h"
#include "runtime/utf8.h"

#include <cstdio>
#include <ctime>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <vector>

using namespace круголет;

namespace {

constexpr std::string_view синтаксис =
    "Использование: krugolet-cli [--library ФАЙЛ] [--json] [--extended] [ДД.ММ.ГГГГ ЧЧ:ММ | -]\n"
    "               krugolet-cli [--library ФАЙЛ] [--json] --old ЛЕТО МЕСЯЦ ЧИСЛО\n"
    "               krugolet-cli [--library ФАЙЛ] [--json] --month ЛЕТО МЕСЯЦ\n"
    "               krugolet-cli [--library ФАЙЛ] [--json] --year ЛЕТО\n"
    "               krugolet-cli [--library ФАЙЛ] [--json] --holidays ГОД\n"
    "               krugolet-cli [--library ФАЙЛ] --ics ГОД\n";

constexpr std::string_view краткая_справка = "Подробно: krugolet-cli --help\n";

constexpr std::string_view справка =
    "\n"
    "Дата и время по Да'Арийскому Круголету: отчет о моменте григорианского календаря\n"
    "(без момента: о текущем времени системных часов, после строки \"Ныне:\").\n"
    "\n"
    "  ДД.ММ.ГГГГ ЧЧ:ММ  момент; поля читаются, как их читает окно программы\n"
    "                    (0x1F и 0o17 тоже числа, пробелы вокруг поля допустимы)\n"
    "  -                 с --json: моменты построчно со стандартного ввода\n"
    "  --library ФАЙЛ    другая библиотека вместо библиотека.txt (из текущей папки,\n"
    "                    папки программы или каталога данных)\n"
    "  --json            все вычисленные значения одним объектом JSON\n"
    "  --extended        широкий промежуток: все лета с 1800 по 2099 год\n"
    "  --version         версия программы\n"
    "  --help            эта справка\n"
    "  --                конец параметров: дальше только поля момента\n"
    "\n"
    "Виды календаря, на весь широкий промежуток (--extended для них не нужен):\n"
    "  --old ЛЕТО МЕСЯЦ ЧИСЛО\n"
    "        день Круголета: с какого и до какого григорианского вечера (19:00) он\n"
    "        длится, день недели, праздник и чертог; ЛЕТО - от Сотворения Мира, с 7309\n"
    "        по 7607, МЕСЯЦ - число от 1 до 9 или название в любом регистре\n"
    "        пример: krugolet-cli --old 7536 рамхат 1\n"
    "  --month ЛЕТО МЕСЯЦ\n"
    "        страница месяца: девять столбцов по дням недели, в клетке число и\n"
    "        григорианская дата, вечером которой день начинается; праздники под ней\n"
    "        пример: krugolet-cli --month 7536 Айлет\n"
    "  --year ЛЕТО\n"
    "        лето целиком: его название, место в Круге Жизни и в Круге Лет, священное\n"
    "        ли оно (369 дней, все месяцы по 41 дню), и девять страниц месяцев одна\n"
    "        за другой, как их пишет --month\n"
    "        пример: krugolet-cli --year 7536\n"
    "  --holidays ГОД\n"
    "        праздники года по порядку: ГОД с 1800 по 2099 - григорианский (праздники,\n"
    "        чьи дни начинаются с 1 января по 31 декабря), с 7309 по 7607 - лето\n"
    "        от Сотворения Мира; 1800 год дает праздники с 19.09.1800, 2099 - до\n"
    "        21.09.2099, где кончается промежуток\n"
    "        пример: krugolet-cli --holidays 2027\n"
    "  --ics ГОД\n"
    "        праздники григорианского года файлом iCalendar для приложений-календарей,\n"
    "        каждый с 19:00 до 19:00 по местным часам; повторный импорт того же года\n"
    "        не удваивает праздники\n"
    "        пример: krugolet-cli --ics 2027 > праздники-2027.ics\n"
    "  С --json виды --old, --month, --year и --holidays пишут объект или список\n"
    "  JSON (у --year - название, священное ли лето и девять объектов --month);\n"
    "  начало и конец дня - \"ГГГГ-ММ-ДДTЧЧ:ММ\", месяц - его номер.\n"
    "\n"
    "Промежутки:\n"
    "  без --extended  53-й Круг Жизни, как в таблицах календаря:\n"
    "                  с 22.09.1868 19:00 до 22.09.2012 19:00 (не включая)\n"
    "  --extended      с 19.09.1800 19:00 до 21.09.2099 19:00 (не включая)\n"
    "\n"
    "Все таблицы расчета повторяются с Кругом Жизни: 144 лета - это 52 596 дней, целое число\n"
    "девятидневных недель, а начала месяцев совпадают с григорианским календарем везде, где\n"
    "29 февраля бывает ровно в годы, кратные 4, то есть с марта 1800 по февраль 2100 года.\n"
    "Поэтому лето N (1 - лето, начавшееся 22.09.1868) занимает место ((N-1) mod 144)+1 в Круге\n"
    "Жизни номер 53 + [(N-1)/144] и есть лето 7376+N от Сотворения Мира в Звездном Храме.\n"
    "Так получаются и известные даты: лето 7527 началось вечером 21.09.2018, 2016/17 - лето\n"
    "7525 \"Огненный (Алый) Свиток\", 2012/13 - лето 7521, первое в 54-м Круге Жизни.\n"
    "\n"
    "Коды выхода:\n"
    "  0  отчет или вид календаря выведен\n"
    "  1  нет отчета: момент системных часов вне промежутка или в библиотеке нет записи\n"
    "  2  неправильные данные (введенный момент вне промежутка тоже), нет такого дня,\n"
    "     месяца, лета или года или ошибка в аргументах\n"
    "  3  библиотека отсутствует или повреждена\n"
    "  4  не удалось записать на стандартный вывод или прочитать стандартный ввод,\n"
    "     или не хватило памяти\n";

constexpr std::string_view вне_промежутка =
    "Нет отчета: момент лежит вне Круга Жизни с 22.09.1868 19:00 до 22.09.2012 19:00";
constexpr std::string_view вне_широкого =
    "Нет отчета: момент лежит вне промежутка с 19.09.1800 19:00 до 21.09.2099 19:00";
constexpr std::string_view подсказка =
    "С --extended принимаются моменты с 19.09.1800 19:00 до 21.09.2099 19:00";
constexpr std::string_view нет_записи =
    "Нет отчета: в библиотеке нет записи, нужной для этого момента";
constexpr std::string_view сбой_вывода = "Не удалось записать на стандартный вывод";
constexpr std::string_view сбой_ввода = "Не удалось прочитать стандартный ввод";
constexpr std::string_view нет_памяти = "Не хватает памяти";
constexpr std::string_view длинная_строка = "Строка длиннее 1 МиБ";

// How much of a line too long to read is echoed back.
constexpr std::size_t знаков_эха = 80;

Момент сейчас() {
    const std::tm местное = местное_время(std::time(nullptr));
    return {местное.tm_mday, местное.tm_mon + 1, местное.tm_year + 1900, местное.tm_hour,
            местное.tm_min};
}

std::string_view сообщение_без_отчета(Причина_пустоты причина, Промежуток промежуток) {
    if (причина != Причина_пустоты::вне_промежутка)
        return нет_записи;
    return промежуток == Промежуток::широкий ? вне_широкого : вне_промежутка;
}

// Without --extended, a moment that only the wide range takes is told where to find it.
void подсказать(bool широкий_примет) {
    if (широкий_примет)
        std::cerr << подсказка << '\n';
}

// Everything written has reached the output; a full disk or a closed descriptor shows only here.
int вывод_записан(int код) {
    if (std::cout.flush())
        return код;
    std::cerr << сбой_вывода << '\n';
    return сбой_среды;
}

int текстом(const Знания &знания, const Момент &м, Промежуток промежуток,
            std::string_view приставка) {
    const auto значения = значения_момента(знания, м, промежуток);
    if (!значения) {
        std::cerr << сообщение_без_отчета(значения.причина(), промежуток) << '\n';
        подсказать(значения.причина() == Причина_пустоты::вне_промежутка &&
                   промежуток == Промежуток::круг_жизни && в_промежутке(м, Промежуток::широкий));
        return нет_отчета;
    }
    std::cout << приставка << отчет_значений(*значения, м);
    return вывод_записан(успех);
}

// One moment as one JSON object; an object with "error" when there is no report.
std::pair<nlohmann::json, bool> json_момента(const Знания &знания, const std::optional<Момент> &м,
                                             Промежуток промежуток) {
    if (!м)
        return {{{"error", текст_ошибки_ввода}}, false};
    const auto р = значения_момента(знания, *м, промежуток);
    if (!р)
        return {{{"error", сообщение_без_отчета(р.причина(), промежуток)}}, false};
    return {json_значений(*р, *м), true};
}

// A refused line is echoed under "input"; one too long to read, by its start only. The status
// says whether the line was reported, refused as wrong data, or lacks a record.
std::pair<nlohmann::json, Выход> json_строки(const Знания &знания, const Строка_пакета &строка,
                                             Промежуток промежуток) {
    if (строка.длинная)
        return {{{"error", длинная_строка},
                 {"input", строка.текст.substr(0, смещение_знака(строка.текст, знаков_эха))}},
                неверный_ввод};
    const auto м = момент_из_текста(строка.текст, промежуток);
    auto [объект, есть] = json_момента(знания, м, промежуток);
    if (!есть)
        объект["input"] = строка.текст;
    return {std::move(объект), есть ? успех : (м ? нет_отчета : неверный_ввод)};
}

// A batch in which every line was wrong data is wrong data, as a single wrong moment is.
int json_строками(const Знания &знания, Промежуток промежуток) {
    bool все = true;
    bool все_отказаны = true;
    while (std::cout) {
        const auto строка = следующая_строка(*std::cin.rdbuf());
        if (!строка)
            break;
        const auto [объект, код] = json_строки(знания, *строка, промежуток);
        все = все && код == успех;
        все_отказаны = все_отказаны && код == неверный_ввод;
        std::cout << текст_json(объект) << '\n';
    }
    if (std::ferror(stdin)) {
        std::cerr << сбой_ввода << '\n';
        return сбой_среды;
    }
    return вывод_записан(все ? успех : все_отказаны ? неверный_ввод : нет_отчета);
}

// A refusal goes to standard error, or with --json into the object written instead.
int показать_вид(const Знания &знания, const Запрос_вида &запрос, bool json) {
    const auto вывод = вывод_вида(знания, запрос, json);
    if (const auto *отказ = std::get_if<Отказ_вида>(&вывод)) {
        if (!json) {
            std::cerr << отказ->сообщение << '\n';
            return отказ->код;
        }
        std::cout << текст_json({{"error", отказ->сообщение}}) << '\n';
        return вывод_записан(отказ->код);
    }
    std::cout << std::get<std::string>(вывод);
    return вывод_записан(успех);
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

int выполнить(int argc, char **argv) {
    const auto слова = аргументы_программы(argc, argv);
    const std::vector<std::string_view> аргументы(слова.begin(), слова.end());
    const auto разбор = параметры_из_аргументов(аргументы);
    if (const auto *ошибка = std::get_if<Ошибка_аргументов>(&разбор))
        return ошибка_использования(ошибка->текст);
    const Параметры &п = std::get<Параметры>(разбор);
    if (п.справка) {
        std::cout << синтаксис << справка;
        return вывод_записан(успех);
    }
    if (п.версия) {
        std::cout << "krugolet-cli " KRUGOLET_VERSION "\n";
        return вывод_записан(успех);
    }

    Знания знания = встроенные_знания();
    if (const auto сбой = загрузить_библиотеку_подробно(
            п.библиотека ? путь_из_utf8(*п.библиотека) : найти_библиотеку(), знания))
        return без_библиотеки(п.библиотека, *сбой);

    if (п.вид)
        return показать_вид(знания, *п.вид, п.json);

    const Промежуток промежуток = п.широкий ? Промежуток::широкий : Промежуток::круг_жизни;
    if (п.момент.size() == 1 && п.момент[0] == "-")
        return json_строками(знания, промежуток);

    const bool ныне = п.момент.empty();
    const auto прочитать = [&](Промежуток в) {
        return ныне                   ? std::optional(сейчас())
               : п.момент.size() == 1 ? момент_из_текста(п.момент[0], в)
                                      : момент_из_текста(п.момент[0], п.момент[1], в);
    };
    const auto м = прочитать(промежуток);
    if (п.json) {
        const auto [объект, есть] = json_момента(знания, м, промежуток);
        std::cout << текст_json(объект) << '\n';
        return вывод_записан(есть ? успех : (м ? нет_отчета : неверный_ввод));
    }
    if (!м) {
        std::cerr << текст_ошибки_ввода << '\n';
        подсказать(!п.широкий && прочитать(Промежуток::широкий));
        return неверный_ввод;
    }
    return текстом(знания, *м, промежуток, ныне ? "Ныне:\n" : "");
}

} // namespace

// A library or a line of input too large for the memory there is ends in a message of its own.
int main(int argc, char **argv) {
    настроить_вывод();
    try {
        return выполнить(argc, argv);
    } catch (const std::bad_alloc &) {
        std::cerr << нет_памяти << '\n';
        return сбой_среды;
    }
}
