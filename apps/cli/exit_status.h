#pragma once

namespace круголет {

// What the exit status of krugolet-cli says; --help lists them.
enum Выход {
    успех = 0,
    нет_отчета = 1,
    неверный_ввод = 2,
    нет_библиотеки = 3,
    // Output that cannot be written, input that cannot be read, memory that cannot be had.
    сбой_среды = 4
};

} // namespace круголет
