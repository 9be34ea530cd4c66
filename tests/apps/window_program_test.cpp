// The Linux program started as a user starts it, as a process of its own: its command line, a
// start without a display, and the terminal it leaves behind after a normal start.

#include "krugolet_version.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char **environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct Итог {
    int код; // as a shell gives it (128 + the signal that ended it); -1 when the test ended it
    std::string вывод;
    std::string ошибки;
};

std::string прочитать(const fs::path &файл) {
    std::ifstream f(файл, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// The system call the process's main thread is blocked in, if any.
std::optional<int> системный_вызов(pid_t процесс) {
    std::ifstream f("/proc/" + std::to_string(процесс) + "/syscall");
    int номер = -1;
    if (f >> номер)
        return номер;
    return std::nullopt;
}

// Waiting in poll() over and over: the start is over and the event loop has nothing to do.
bool ждет_событий(pid_t процесс) {
    constexpr int poll = 7, ppoll = 271;
    for (int раз = 0; раз < 5; ++раз) {
        const auto вызов = системный_вызов(процесс);
        if (!вызов || (*вызов != poll && *вызов != ppoll))
            return false;
        std::this_thread::sleep_for(50ms);
    }
    return true;
}

class ОконнаяПрограмма : public ::testing::Test {
  protected:
    void SetUp() override {
        папка_ = fs::temp_directory_path() /
                 ("krugolet-window-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(папка_ / "run");
        fs::permissions(папка_ / "run", fs::perms::owner_all);
        // What a desktop session gives every program; Qt warns when it is missing.
        окружение["XDG_RUNTIME_DIR"] = (папка_ / "run").string();
    }
    void TearDown() override { fs::remove_all(папка_); }

    // Runs the program in its own empty folder (it finds its library beside itself) with the
    // environment of the test as changed in `окружение` (an empty value unsets a variable).
    // A program whose event loop waits has opened its window: the test ends it there.
    Итог запустить(const std::vector<std::string> &аргументы) {
        std::map<std::string, std::string> переменные;
        for (char **п = environ; *п; ++п) {
            const std::string_view строка(*п);
            const auto равно = строка.find('=');
            переменные[std::string(строка.substr(0, равно))] = строка.substr(равно + 1);
        }
        for (const auto &[имя, значение] : окружение) {
            if (значение.empty())
                переменные.erase(имя);
            else
                переменные[имя] = значение;
        }
        std::vector<std::string> строки_окружения;
        for (const auto &[имя, значение] : переменные)
            строки_окружения.push_back(имя + "=" + значение);
        std::vector<char *> env;
        for (std::string &с : строки_окружения)
            env.push_back(с.data());
        env.push_back(nullptr);
        std::vector<std::string> слова{KRUGOLET_PROGRAM};
        слова.insert(слова.end(), аргументы.begin(), аргументы.end());
        std::vector<char *> argv;
        for (std::string &с : слова)
            argv.push_back(с.data());
        argv.push_back(nullptr);

        const std::string вывод = (папка_ / "out").string(), ошибки = (папка_ / "err").string();
        posix_spawn_file_actions_t действия;
        posix_spawn_file_actions_init(&действия);
        posix_spawn_file_actions_addopen(&действия, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&действия, 1, вывод.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        posix_spawn_file_actions_addopen(&действия, 2, ошибки.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        const fs::path прежняя = fs::current_path();
        fs::current_path(папка_);
        pid_t процесс = 0;
        const int сбой =
            posix_spawn(&процесс, argv[0], &действия, nullptr, argv.data(), env.data());
        fs::current_path(прежняя);
        posix_spawn_file_actions_destroy(&действия);
        if (сбой != 0) {
            ADD_FAILURE() << "cannot start " << argv[0];
            return {-1, "", ""};
        }

        const auto срок = std::chrono::steady_clock::now() + 30s;
        int статус = 0;
        bool закрыта = false;
        while (waitpid(процесс, &статус, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > срок || ждет_событий(процесс)) {
                kill(процесс, SIGTERM);
                waitpid(процесс, &статус, 0);
                закрыта = true;
                break;
            }
            std::this_thread::sleep_for(20ms);
        }
        const int код = закрыта             ? -1
                        : WIFEXITED(статус) ? WEXITSTATUS(статус)
                                            : 128 + WTERMSIG(статус);
        return {код, прочитать(вывод), прочитать(ошибки)};
    }

    // No display at all, and nothing that chooses another platform.
    void без_дисплея() {
        for (const char *имя : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            окружение[имя] = "";
    }

    std::map<std::string, std::string> окружение{{"QT_QPA_PLATFORM", "offscreen"}};

  private:
    fs::path папка_;
};

constexpr std::string_view синтаксис = "Использование: krugolet [--extended]\n";

struct Ошибка {
    std::vector<std::string> аргументы;
    std::string первая_строка;
};

void PrintTo(const Ошибка &ошибка, std::ostream *поток) {
    for (const std::string &а : ошибка.аргументы)
        *поток << а << ' ';
}

class ОшибкаКоманднойСтроки : public ОконнаяПрограмма,
                              public ::testing::WithParamInterface<Ошибка> {};

// A mistake is told on standard error and the window never opens: the program ends by itself.
TEST_P(ОшибкаКоманднойСтроки, IsToldWithTheUsageAndExitStatusTwo) {
    const Итог итог = запустить(GetParam().аргументы);
    EXPECT_EQ(итог.код, 2);
    EXPECT_EQ(итог.ошибки, GetParam().первая_строка + "\n" + std::string(синтаксис) +
                               "Подробно: krugolet --help\n");
    EXPECT_EQ(итог.вывод, "");
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, ОшибкаКоманднойСтроки,
    testing::Values(Ошибка{{"--extnded"}, "неизвестный параметр: --extnded"},
                    Ошибка{{"--extended", "15.03.2000"}, "лишний аргумент: 15.03.2000"},
                    Ошибка{{"-style", "fusion"}, "неизвестный параметр: -style"},
                    Ошибка{{"--help", "--versoin"}, "неизвестный параметр: --versoin"}));

TEST_F(ОконнаяПрограмма, HelpAndVersionNeedNoDisplay) {
    без_дисплея();
    const Итог справка = запустить({"--help"});
    EXPECT_EQ(справка.код, 0);
    EXPECT_TRUE(справка.вывод.starts_with(синтаксис)) << справка.вывод;
    EXPECT_NE(справка.вывод.find("--extended"), std::string::npos);
    EXPECT_EQ(справка.ошибки, "");

    const Итог версия = запустить({"--version"});
    EXPECT_EQ(версия.код, 0);
    EXPECT_EQ(версия.вывод, "krugolet " KRUGOLET_VERSION "\n");
    EXPECT_EQ(версия.ошибки, "");
}

// Nothing of Qt's own, English and about plug-ins, reaches the user: only the program's words.
TEST_F(ОконнаяПрограмма, WithoutADisplaySaysSoAndEndsWithStatusOne) {
    без_дисплея();
    const Итог нет = запустить({});
    EXPECT_EQ(нет.код, 1);
    EXPECT_EQ(нет.ошибки, "Нет дисплея, окну программы негде открыться (переменные DISPLAY и "
                          "WAYLAND_DISPLAY не заданы).\n"
                          "Расчет без окна: krugolet-cli\n");
    EXPECT_EQ(нет.вывод, "");

    // A display no server answers at.
    окружение["DISPLAY"] = ":9999";
    const Итог недоступен = запустить({"--extended"});
    EXPECT_EQ(недоступен.код, 1);
    EXPECT_EQ(недоступен.ошибки, "Не удалось открыть дисплей, окну программы негде открыться "
                                 "(DISPLAY=:9999).\n"
                                 "Расчет без окна: krugolet-cli\n");
}

TEST_F(ОконнаяПрограмма, StartsWithoutAWordOnTheTerminal) {
    const Итог итог = запустить({"--extended"});
    EXPECT_EQ(итог.код, -1) << "the program ended by itself";
    EXPECT_EQ(итог.ошибки, "");
    EXPECT_EQ(итог.вывод, "");
}

} // namespace
