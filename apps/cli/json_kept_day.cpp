#include "apps/cli/json_kept_day.h"

#include "apps/cli/json_views.h"

namespace круголет {
namespace {

// The day's object as the views write it.
nlohmann::json json_дня(const День_круголета &день) {
    Буфер_текста буфер;
    Запись_json запись(буфер);
    записать_json_дня(запись, день);
    return nlohmann::json::parse(буфер.текст());
}

} // namespace

nlohmann::json json_памятного_дня(const Памятный_день &день) {
    nlohmann::json возвращения = nlohmann::json::array();
    for (const auto &в : день.возвращения) {
        auto объект = json_дня(в.день);
        объект["age"] = в.возраст;
        объект["moved_from"] =
            в.перенесено_с ? nlohmann::json(*в.перенесено_с) : nlohmann::json(nullptr);
        возвращения.push_back(std::move(объект));
    }
    const auto &дата = день.дата.дата;
    return {
        {"birth",
         {{"year_from_creation", дата.лето},
          {"month", дата.месяц},
          {"month_name", день.дата.месяц},
          {"day", дата.число}}},
        {"name", день.имя.empty() ? nlohmann::json(nullptr) : nlohmann::json(день.имя)},
        {"returns", std::move(возвращения)},
    };
}

std::string текст_json(const nlohmann::json &j) {
    return j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace круголет
