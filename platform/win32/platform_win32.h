#pragma once

#include "platform/win32/window_win32.h"
#include "platform/window.h"

#include <windows.h>

#include <memory>

namespace круголет {

// The window layer on user32 and gdi32, through their Unicode calls. Resources (icon,
// bitmaps, dialog templates) come from the module of `экземпляр`.
class Платформа_win32 final : public Платформа {
  public:
    explicit Платформа_win32(HINSTANCE экземпляр);
    ~Платформа_win32() override;

    void включить_объемный_вид() override;
    Окно &создать_главное_окно(std::string_view заголовок, int значок, Обработчик обработчик,
                               std::unique_ptr<Данные_окна> данные) override;
    int цикл_сообщений() override;
    Местное_время местное_время() override;
    Экран экран() override;
    void сообщение_об_ошибке(std::string_view заголовок, std::string_view текст) override;

    HINSTANCE экземпляр() const { return экземпляр_; }

  private:
    HINSTANCE экземпляр_;
    HMODULE ctl3d_ = nullptr;
    std::unique_ptr<Окно_win32> главное_окно_;
};

// The name of the main window's class, by which other programs find it.
inline constexpr const wchar_t *класс_главного_окна = L"Круголет";

} // namespace круголет
