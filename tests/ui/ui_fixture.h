#pragma once

// A test of the windows: the program started on the recording window layer, in a directory of
// its own that holds the library file, with a recording printer handed to it.

#include "platform/fake/fake_platform.h"
#include "print/recording_job.h"
#include "ui/controls.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace круголет {

class Окна : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The library file of the test tables, or bytes of one's own; or no file at all.
    void положить_библиотеку();
    void положить_байты_библиотеки(std::string_view байты);
    void убрать_библиотеку();

    // Runs the program's start; the main window stands afterwards, as after the first
    // activation when `активировать` is set.
    Окно_для_тестов &запустить(bool активировать = true);

    Окно_для_тестов &главное() { return платформа.главное_окно(); }
    Окно_для_тестов &элемент(int номер) { return главное().элемент_с_номером(номер); }
    std::string отчет() { return элемент(поле_отчета).текст(); }

    // Types the moment into the five fields, replacing what they held.
    void набрать(std::string_view день, std::string_view месяц, std::string_view год,
                 std::string_view час, std::string_view минута);
    int отпустить_клавишу(int поле, Клавиша клавиша);
    int щелкнуть(int кнопка);

    Платформа_для_тестов платформа;
    Записывающий_принтер принтер;

  private:
    std::filesystem::path папка_;
    std::filesystem::path прежняя_папка_;
};

} // namespace круголет
