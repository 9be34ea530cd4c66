#pragma once

// A window layer without a window system, for tests: it keeps the windows and controls the
// program creates as plain objects, records what the program does with them, and lets a test
// send events, set the clock, the screen and the text extents, and look at the result.

#include "platform/window.h"

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace круголет {

class Платформа_для_тестов;

enum class Род_окна { главное, диалог, элемент };

class Окно_для_тестов final : public Окно {
  public:
    Окно_для_тестов(Платформа_для_тестов &платформа, Окно_для_тестов *родитель, Род_окна род);

    Платформа &платформа() override;
    Данные_окна *данные() override { return данные_.get(); }
    Окно &создать_элемент(Вид_элемента вид, int номер, std::string_view текст,
                          Прямоугольник место) override;
    Окно *элемент(int номер) override;
    Окно *родитель() override { return родитель_; }
    void установить_текст(std::string_view текст) override;
    std::string текст() override;
    void переместить(Прямоугольник место) override;
    Прямоугольник внешний_прямоугольник() override { return место; }
    Прямоугольник клиентская_область() override;
    Размер размер_текста(std::string_view текст) override;
    void залить_фоном() override;
    void нарисовать_картинку(int ресурс, const std::function<Прямоугольник(Размер)> &куда) override;
    void перехватить_события(Обработчик обработчик) override;
    void нажать(int номер) override;
    void установить_фокус() override;
    void установить_значок(int ресурс) override { значок = ресурс; }
    void открыть_диалог(const Шаблон_диалога &шаблон, Обработчик обработчик) override;
    void закрыть_диалог() override;

    // What a test looks at.
    Род_окна род;
    Вид_элемента вид{};    // for a control
    int номер = 0;         // control id, or the template's resource for a dialog
    std::string заголовок; // title of a main window or a dialog
    std::string текст_при_создании;
    Прямоугольник место; // the outer rectangle, in the parent's client coordinates
    int перемещений = 0;
    // The text as the control holds it: lines broken with "\r\n", as a user types them.
    std::string текст_в_элементе;
    int значок = 0;
    int заливок = 0;
    Обработчик обработчик = nullptr;                        // of a main window or a dialog
    Обработчик перехватчик = nullptr;                       // attached to a control
    int перехватов = 0;                                     // how many times one was attached
    bool закрыт = false;                                    // a dialog that has been closed
    std::vector<std::unique_ptr<Окно_для_тестов>> элементы; // in creation order

    Окно_для_тестов &элемент_с_номером(int номер); // the test fails loudly when it is missing

  private:
    friend class Платформа_для_тестов;
    Платформа_для_тестов &платформа_;
    Окно_для_тестов *родитель_;
    std::unique_ptr<Данные_окна> данные_;
    std::set<Клавиша> нажатые_; // pressed here since the control last had the focus
};

struct Нарисованная_картинка {
    const Окно_для_тестов *окно;
    int ресурс;
    Прямоугольник куда;
};

struct Показанная_ошибка {
    std::string заголовок;
    std::string текст;
};

struct Отправленное_нажатие {
    const Окно_для_тестов *куда;
    int номер;
};

class Платформа_для_тестов final : public Платформа {
  public:
    Платформа_для_тестов();

    void включить_объемный_вид() override { объемный_вид = true; }
    Окно &создать_главное_окно(std::string_view заголовок, int значок, Обработчик обработчик,
                               std::unique_ptr<Данные_окна> данные) override;
    int цикл_сообщений() override;
    Местное_время местное_время() override { return часы; }
    Экран экран() override { return экран_; }
    void сообщение_об_ошибке(std::string_view заголовок, std::string_view текст) override;

    // Set by a test.
    Местное_время часы{2000, 1, 1, 12, 0};
    Экран экран_{800, 600, 19};
    std::function<Размер(std::string_view)> размер_текста; // 8 × 16 per character at first
    std::map<int, Размер> картинки;                        // bitmap resources and their sizes
    Размер единица_диалога{6, 13}; // average character width and height of a dialog's font
    // Called while a modal dialog is open, to act in it; the dialog ends when this returns.
    std::function<void(Окно_для_тестов &)> в_диалоге;
    // Called while an error box is shown.
    std::function<void(const Показанная_ошибка &)> при_ошибке;

    // Events a test sends: to a control they go through the attached handler first, to a
    // window through its handler; the handler's answer is returned.
    int отправить(Окно &окно, const Событие &событие);
    // A user's keyboard, as the window layer promises it: a release reaches the handler as
    // `отпускание_клавиши` only after a first press of the key in the same control, with the
    // focus not gone elsewhere since (an error box or a dialog takes it). Enter in a dialog
    // clicks its default button.
    int нажать_клавишу(Окно &окно, Клавиша клавиша, bool повтор = false);
    int отпустить_клавишу(Окно &окно, Клавиша клавиша);
    // A user typing at the end of a control's text, "\r\n" for a line break, or pasting
    // there; a single-line field takes only what fits its width.
    void ввести(Окно &элемент, std::string_view текст);
    void вставить(Окно &элемент, std::string_view текст);

    // What the program did.
    bool объемный_вид = false;
    int циклов = 0;
    std::unique_ptr<Окно_для_тестов> главное;
    std::vector<std::unique_ptr<Окно_для_тестов>> диалоги; // in the order opened
    std::vector<Показанная_ошибка> ошибки;
    std::vector<Нарисованная_картинка> картинки_нарисованы;
    std::vector<Отправленное_нажатие> нажатия;
    Окно_для_тестов *фокус = nullptr;
    int рисований_вне_перерисовки = 0;

    Окно_для_тестов &главное_окно(); // the test fails loudly when there is none

  private:
    friend class Окно_для_тестов;
    int передать(Окно_для_тестов &окно, const Событие &событие);
    // The control with the focus loses it, and with it the keys pressed there.
    void забыть_нажатия();
    bool вмещает(const Окно_для_тестов &поле, std::string_view текст);
    int перерисовок_идет = 0;
};

} // namespace круголет
