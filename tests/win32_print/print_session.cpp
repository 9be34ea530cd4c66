#include "tests/win32_print/print_session.h"

#include "platform/line_feeds.h"
#include "runtime/utf16.h"
#include "ui/controls.h"

namespace круголет {

std::wstring показать_отчет(const Программа_под_тестом &п) {
    const std::wstring прежний = п.текст(поле_отчета);
    п.ввести(поле_дня, L"14");
    п.ввести(поле_месяца, L"7");
    п.ввести(поле_года, L"1990");
    п.ввести(поле_часа, L"21");
    п.ввести(поле_минуты, L"30");
    п.нажать_клавишу(п.элемент(поле_минуты), VK_RETURN);
    std::wstring отчет;
    Программа_под_тестом::дождаться([&] {
        отчет = п.текст(поле_отчета);
        return !отчет.empty() && отчет != прежний;
    });
    return отчет != прежний ? отчет : std::wstring();
}

std::string как_напечатает(const std::wstring &текст_поля) {
    return из_текста_элемента(в_utf8(текст_поля));
}

} // namespace круголет
