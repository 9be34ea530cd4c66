#pragma once

#include "platform/window.h"

namespace круголет {

// Opens the modal About window owned by the parent and returns when it has been closed.
void показать_окно_о_программе(Окно &родитель);

// Its handler: "Ok" closes it; every repaint sets the icon, draws the picture and writes the
// About text anew.
int обработать_событие_окна_о_программе(Окно &диалог, const Событие &событие);

// The About window as a dialog template (resource 10000).
const Шаблон_диалога &шаблон_окна_о_программе();

} // namespace круголет
