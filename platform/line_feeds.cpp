#include "platform/line_feeds.h"

namespace круголет {

std::string в_текст_элемента(std::string_view текст) {
    std::string итог;
    итог.reserve(текст.size());
    for (char знак : текст) {
        if (знак == '\n')
            итог += '\r';
        итог += знак;
    }
    return итог;
}

std::string из_текста_элемента(std::string_view текст) {
    std::string итог;
    итог.reserve(текст.size());
    for (std::size_t i = 0; i < текст.size(); ++i) {
        if (текст[i] == '\r' && i + 1 < текст.size() && текст[i + 1] == '\n')
            continue;
        итог += текст[i];
    }
    return итог;
}

} // namespace круголет
