#include "ui/start.h"

#include "ui/controls.h"
#include "ui/main_window.h"

#include <memory>

namespace круголет {

int запустить_круголет(Платформа &платформа, const std::filesystem::path &библиотека) {
    платформа.включить_объемный_вид();
    auto состояние = std::make_unique<Состояние_программы>();
    состояние->библиотека = библиотека;
    платформа.создать_главное_окно(заголовок_главного_окна, значок_программы, task_win_eh,
                                   std::move(состояние));
    return платформа.цикл_сообщений();
}

} // namespace круголет
