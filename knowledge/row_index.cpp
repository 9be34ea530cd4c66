#include "knowledge/row_index.h"

#include <algorithm>
#include <utility>

namespace круголет {

void Индекс_строк::вставить(std::uint32_t хэш, std::size_t место_строки) {
    if (2 * (занято_ + 1) > ячейки_.size()) {
        auto прежние = std::exchange(
            ячейки_, std::vector<Ячейка>(std::max<std::size_t>(16, 2 * ячейки_.size())));
        for (const auto ячейка : прежние)
            if (ячейка.место_после != 0)
                положить(ячейка);
    }
    положить({хэш, static_cast<std::uint32_t>(место_строки + 1)});
    ++занято_;
}

void Индекс_строк::положить(Ячейка ячейка) {
    std::size_t i = ячейка.хэш & маска();
    while (ячейки_[i].место_после != 0)
        i = (i + 1) & маска();
    ячейки_[i] = ячейка;
}

} // namespace круголет
