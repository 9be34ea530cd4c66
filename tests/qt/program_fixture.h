#pragma once

// The Linux program in the test's own process, on the offscreen platform: started as main()
// starts it, in a folder of its own that holds the shipped library, with the clock the test
// sets, and used through Qt's key and mouse events.

#include "platform/qt/platform_qt.h"
#include "print/print_job.h"

#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace круголет {

struct Показанный_ящик {
    std::string заголовок;
    std::string текст;
    QMessageBox::Icon значок;
    int кнопок;
};

// Notes down every message box that opens while it exists and closes it with its OK button.
class Ящики {
  public:
    Ящики();
    std::vector<Показанный_ящик> показаны;

  private:
    QTimer часы_;
};

// The report that the shipped library gives for a moment; empty outside the span.
std::string отчет_для(int день, int месяц, int год, int час, int минута);

class Программа_qt : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    void убрать_библиотеку();
    // Runs the program's start, its message loop included, until the loop is idle.
    void запустить(Местное_время часы);

    QWidget *главное();
    QWidget *виджет(int номер);
    std::string текст(int номер);

    // Replaces a field's text by typing, as a user does after selecting it all.
    void набрать(int поле, const QString &текст);
    // Presses and releases a key in the widget that has the focus.
    void клавиша(Qt::Key код);
    void щелкнуть(int кнопка);

    // Acts in the next modal window that opens within a few seconds, from within its modal run.
    void в_модальном(std::function<void(QWidget *)> действие, int попыток = 500);

    // The printer the program is handed; the Qt one unless a test plugs in another.
    Принтер *принтер = nullptr;
    std::unique_ptr<Платформа_qt> платформа;

  private:
    // Owns the waits of в_модальном, which end with the test.
    QObject хозяин_ожиданий_;
    std::unique_ptr<Принтер> свой_принтер_;
    std::filesystem::path папка_;
    std::filesystem::path прежняя_папка_;
};

} // namespace круголет
