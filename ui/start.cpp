#include "ui/start.h"

#include "ui/controls.h"
#include "ui/main_window.h"

#include <memory>

namespace круголет {

int запустить_круголет(Платформа &платформа) {
    платформа.включить_объемный_вид();
    платформа.создать_главное_окно(заголовок_главного_окна, значок_программы, task_win_eh,
                                   std::make_unique<Состояние_программы>());
    return платформа.цикл_сообщений();
}

} // namespace круголет
