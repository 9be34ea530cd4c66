#pragma once

#include "calendar/input_check.h"
#include "platform/window.h"

#include <optional>

namespace круголет {

// Key handlers of the five input fields, attached by the main window. On the release of Enter
// each asks the main window for a conversion; on Tab or Space it moves the focus to the next
// field, or, in the minute field, asks for a conversion too. Everything else is left to the
// field.
int обработать_событие_поля_дня(Окно &поле, const Событие &событие);
int обработать_событие_поля_месяца(Окно &поле, const Событие &событие);
int обработать_событие_поля_года(Окно &поле, const Событие &событие);
int обработать_событие_поля_часа(Окно &поле, const Событие &событие);
int обработать_событие_поля_минуты(Окно &поле, const Событие &событие);

// Whether the key moves on to the next field: Tab and Space.
bool клавиша_перехода(Клавиша клавиша);

// The five fields of the main window read and checked; on refusal, after the error box,
// nothing.
std::optional<Момент> момент_главного_окна(Окно &главное, Промежуток промежуток);

} // namespace круголет
