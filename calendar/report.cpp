#include "calendar/report.h"

namespace круголет {

std::size_t наибольший_размер_отчета(const Значения_момента &р) {
    const auto &ш = шаблоны_отчета;
    return ш.дата.размер() + ш.заголовок.размер() + ш.сотворение.размер() + ш.лето.размер() +
           ш.день.размер() + ш.время.размер() + ш.характеристика_дня.размер() +
           ш.характеристика_лета.размер() + ш.покровитель.размер() + 12 * наибольшее_число_знаков +
           р.название_лета.size() + р.месяц.size() + р.значение_месяца.size() + р.праздник.size() +
           р.день_недели.size() + р.слово_часов.size() + р.слово_частей.size() +
           р.день_четверти.size() + р.четверть.size() + р.характеристика_лета.size() +
           р.бог.size() + р.продолжение_бога.size() + р.описание_чертога.size();
}

char *записанный_отчет(char *куда, const Значения_момента &р, const Момент &момент) {
    return раздать_отчет(р, момент, куда, [](char *место, const auto &кусок) {
        return записанное_значение(место, кусок);
    });
}

std::string отчет_значений(const Значения_момента &р, const Момент &момент) {
    // The room is cleared by the string and then written through a pointer, which costs less
    // than appending some 45 pieces one by one, each with its check of room; then it is cut to
    // what the report came to.
    std::string текст(наибольший_размер_отчета(р), '\0');
    текст.resize(
        static_cast<std::size_t>(записанный_отчет(текст.data(), р, момент) - текст.data()));
    return текст;
}

std::optional<std::string> отчет_момента(const Знания &знания, const Момент &момент,
                                         Промежуток промежуток) {
    const auto р = значения_момента(знания, момент, промежуток);
    if (!р)
        return std::nullopt;
    return отчет_значений(*р, момент);
}

} // namespace круголет
