#include "tests/ui/ui_fixture.h"

#include "knowledge/library.h"
#include "runtime/cp1251.h"
#include "tests/support/library_fixture.h"
#include "ui/start.h"

#include <fstream>
#include <functional>
#include <string>

namespace круголет {

void Окна::SetUp() {
    const auto *тест = ::testing::UnitTest::GetInstance()->current_test_info();
    // An ASCII name, which every file system takes whatever its code page.
    const std::string имя = std::string(тест->test_suite_name()) + "." + тест->name();
    папка_ = std::filesystem::temp_directory_path() /
             ("krugolet-ui-" + std::to_string(std::hash<std::string>{}(имя)));
    std::filesystem::remove_all(папка_);
    std::filesystem::create_directories(папка_);
    прежняя_папка_ = std::filesystem::current_path();
    std::filesystem::current_path(папка_);

    платформа.картинки = {{картинка_звезды, {190, 190}}, {картинка_орла, {187, 239}}};
    положить_библиотеку();
}

void Окна::TearDown() {
    std::filesystem::current_path(прежняя_папка_);
    std::filesystem::remove_all(папка_);
}

void Окна::положить_библиотеку() {
    const auto байты = в_1251(строки_библиотеки_для_тестов());
    ASSERT_TRUE(байты);
    положить_байты_библиотеки(*байты);
}

void Окна::положить_байты_библиотеки(std::string_view байты) {
    std::ofstream файл(папка_ / имя_библиотеки, std::ios::binary);
    файл.write(байты.data(), static_cast<std::streamsize>(байты.size()));
}

void Окна::убрать_библиотеку() {
    std::filesystem::remove(папка_ / имя_библиотеки);
}

Окно_для_тестов &Окна::запустить(bool активировать) {
    запустить_круголет(платформа, {.принтер = принтер});
    if (активировать)
        платформа.отправить(главное(), {Вид_события::активация});
    return главное();
}

void Окна::набрать(std::string_view день, std::string_view месяц, std::string_view год,
                   std::string_view час, std::string_view минута) {
    элемент(поле_дня).текст_в_элементе = день;
    элемент(поле_месяца).текст_в_элементе = месяц;
    элемент(поле_года).текст_в_элементе = год;
    элемент(поле_часа).текст_в_элементе = час;
    элемент(поле_минуты).текст_в_элементе = минута;
}

int Окна::отпустить_клавишу(int поле, Клавиша клавиша) {
    return платформа.отправить(элемент(поле), {Вид_события::отпускание_клавиши, 0, клавиша});
}

int Окна::щелкнуть(int кнопка) {
    return платформа.отправить(главное(), {Вид_события::команда, кнопка});
}

} // namespace круголет
