#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace круголет {

// Where the first row of each key lies in a list of rows, found by the key's hash: open
// addressing over slots of (hash, place), never more than half full, so that a lookup compares
// the key of about one row however long the list is. The keys themselves stay in the rows; the
// caller says whether the row at a place has the key it is after.
class Индекс_строк {
  public:
    template <class Тот_ключ>
    std::optional<std::size_t> место(std::uint32_t хэш, Тот_ключ тот_ключ) const {
        if (ячейки_.empty())
            return std::nullopt;
        for (std::size_t i = хэш & маска();; i = (i + 1) & маска()) {
            const auto &ячейка = ячейки_[i];
            if (ячейка.место_после == 0)
                return std::nullopt;
            if (ячейка.хэш == хэш && тот_ключ(ячейка.место_после - 1))
                return ячейка.место_после - 1;
        }
    }

    // A key already indexed keeps its earlier row.
    template <class Тот_ключ>
    void добавить(std::uint32_t хэш, std::size_t место_строки, Тот_ключ тот_ключ) {
        if (!место(хэш, тот_ключ))
            вставить(хэш, место_строки);
    }

  private:
    struct Ячейка {
        std::uint32_t хэш;
        // The row's place plus one, so that zero marks an empty slot.
        std::uint32_t место_после;
    };

    std::size_t маска() const { return ячейки_.size() - 1; }
    void вставить(std::uint32_t хэш, std::size_t место_строки);
    void положить(Ячейка ячейка);

    std::vector<Ячейка> ячейки_;
    std::size_t занято_ = 0;
};

} // namespace круголет
