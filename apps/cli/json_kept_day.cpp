#include "apps/cli/json_kept_day.h"

#include "apps/cli/json_views.h"

namespace круголет {

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

} // namespace круголет
