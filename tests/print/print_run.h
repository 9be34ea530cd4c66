#pragma once

#include "print/print_text.h"
#include "print/recording_job.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace круголет {

inline void PrintTo(const Надпись &надпись, std::ostream *os) {
    *os << "(" << надпись.x << ", " << надпись.y << ", \"" << надпись.текст << "\")";
}

// Prints through the recording printer; the job must have kept to a printer's rules and ended.
inline const Запись_печати &напечатать(Записывающий_принтер &принтер, std::string_view текст,
                                       int ширина_табуляции = 6) {
    EXPECT_TRUE(напечатать_текст(принтер, текст, ширина_табуляции));
    EXPECT_EQ(принтер.запись.нарушения, std::vector<std::string>{});
    EXPECT_EQ(принтер.запись.закончено_заданий, 1);
    return принтер.запись;
}

// What a page holds below its header.
inline std::vector<Надпись> ряды(const Записанная_страница &страница) {
    if (страница.надписи.empty())
        return {};
    return {страница.надписи.begin() + 1, страница.надписи.end()};
}

inline std::vector<std::string> тексты(const std::vector<Надпись> &надписи) {
    std::vector<std::string> итог;
    for (const Надпись &надпись : надписи)
        итог.push_back(надпись.текст);
    return итог;
}

inline std::string повтор(std::string_view кусок, int раз) {
    std::string итог;
    for (int i = 0; i < раз; ++i)
        итог += кусок;
    return итог;
}

} // namespace круголет
