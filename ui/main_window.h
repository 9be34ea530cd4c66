#pragma once

#include "calendar/range.h"
#include "knowledge/library.h"
#include "knowledge/tables.h"
#include "platform/window.h"
#include "print/print_job.h"

#include <filesystem>

namespace круголет {

// What the main window carries for the whole run: the fact tables, filled at its creation from
// the library file and read by every conversion, the range of moments it accepts, and the
// printer the report goes to, which outlives the window.
struct Состояние_программы final : Данные_окна {
    explicit Состояние_программы(Принтер &принтер) : принтер(принтер) {}

    Принтер &принтер;
    Знания знания = встроенные_знания();
    Промежуток промежуток = Промежуток::круг_жизни;
    std::filesystem::path библиотека = имя_библиотеки;
};

inline constexpr std::string_view заголовок_главного_окна = "Ольмарский Календаръ";

// The main window's handler: creation (controls, layout, library, the report for now),
// activation (the fields' key handlers), repaint (background and pictures) and the three
// buttons. The window must carry a Состояние_программы.
int обработать_событие_главного_окна(Окно &окно, const Событие &событие);

} // namespace круголет
