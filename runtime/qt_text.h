#pragma once

#include <QString>

#include <string_view>

namespace круголет {

// The program's text is UTF-8 and need not end in a zero: Qt is given its length.
inline QString в_qt(std::string_view текст) {
    return QString::fromUtf8(текст.data(), static_cast<qsizetype>(текст.size()));
}

} // namespace круголет
