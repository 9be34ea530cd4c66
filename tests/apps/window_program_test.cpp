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
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char **environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct Итог {
    int код; // -1: the program waited for events, so its window was open, and the test ended it
    std::string вывод;
    std::string ошибки;
};

std::string прочитать(const fs::path &файл) {
    std::stringstream s;
    s << std::ifstream(файл, std::ios::binary).rdbuf();
    return s.str();
}

// Blocked in poll() at every look: the start is over and the event loop waits.
bool ждет_событий(pid_t процесс) {
    for (int раз = 0; раз < 5; ++раз, std::this_thread::sleep_for(50ms)) {
        int вызов = -1;
        std::ifstream("/proc/" + std::to_string(процесс) + "/syscall") >> вызов;
        if (вызов != 7 && вызов != 271) // poll, ppoll
            return false;
    }
    return true;
}

// Runs the program through env(1) with the changes to the environment it is given (the
// program finds its library beside itself).
Итог запустить(const std::vector<std::string> &окружение,
               const std::vector<std::string> &аргументы) {
    // CTest runs the rows side by side, each in a process of its own: each gets its own folder
    // for the program's output and for what a desktop session gives every program (Qt warns
    // when XDG_RUNTIME_DIR is missing).
    const fs::path сеанс =
        fs::temp_directory_path() / ("krugolet-window-run-" + std::to_string(getpid()));
    fs::create_directories(сеанс);
    fs::permissions(сеанс, fs::perms::owner_all);
    const std::string вывод = (сеанс / "out").string();
    const std::string ошибки = (сеанс / "err").string();
    std::vector<std::string> слова{"env"};
    слова.insert(слова.end(), окружение.begin(), окружение.end());
    слова.push_back("XDG_RUNTIME_DIR=" + сеанс.string());
    слова.push_back(KRUGOLET_PROGRAM);
    слова.insert(слова.end(), аргументы.begin(), аргументы.end());
    std::vector<char *> argv;
    for (std::string &с : слова)
        argv.push_back(с.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t действия;
    posix_spawn_file_actions_init(&действия);
    posix_spawn_file_actions_addopen(&действия, 1, вывод.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&действия, 2, ошибки.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    pid_t процесс = 0;
    EXPECT_EQ(posix_spawnp(&процесс, "env", &действия, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&действия);
    int статус = 0;
    int код = -1;
    while (waitpid(процесс, &статус, WNOHANG) == 0) {
        if (ждет_событий(процесс)) {
            kill(процесс, SIGTERM);
            waitpid(процесс, &статус, 0);
            статус = -1;
            break;
        }
        std::this_thread::sleep_for(20ms);
    }
    if (статус != -1)
        код = WIFEXITED(статус) ? WEXITSTATUS(статус) : 128 + WTERMSIG(статус);
    Итог итог{код, прочитать(вывод), прочитать(ошибки)};
    fs::remove_all(сеанс);
    return итог;
}

struct Случай {
    std::vector<std::string> окружение; // as env(1) takes them: "-u NAME" first
    std::vector<std::string> аргументы;
    int код;
    std::string вывод;
    std::string ошибки;
};

void PrintTo(const Случай &с, std::ostream *поток) {
    for (const auto *слова : {&с.окружение, &с.аргументы})
        for (const std::string &слово : *слова)
            *поток << слово << ' ';
}

class WindowProgram : public testing::TestWithParam<Случай> {};

TEST_P(WindowProgram, EndsWithItsStatusAndMessage) {
    const Итог итог = запустить(GetParam().окружение, GetParam().аргументы);
    EXPECT_EQ(итог.код, GetParam().код);
    EXPECT_EQ(итог.ошибки, GetParam().ошибки);
    EXPECT_EQ(итог.вывод.substr(0, GetParam().вывод.size()), GetParam().вывод);
}

constexpr const char *синтаксис = "Использование: krugolet [--extended]\n";
const std::string ошибка = std::string(синтаксис) + "Подробно: krugolet --help\n";
constexpr const char *без_окна = "Расчет без окна: krugolet-cli\n";

constexpr const char *на_экране = "QT_QPA_PLATFORM=offscreen";

INSTANTIATE_TEST_SUITE_P(
    CommandLineAndDisplay, WindowProgram,
    testing::Values(
        Случай{{на_экране}, {"--extnded"}, 2, "", "неизвестный параметр: --extnded\n" + ошибка},
        Случай{{на_экране},
               {"--extended", "15.03.2000"},
               2,
               "",
               "лишний аргумент: 15.03.2000\n" + ошибка},
        Случай{{на_экране},
               {"--help", "--versoin"},
               2,
               "",
               "неизвестный параметр: --versoin\n" + ошибка},
        // Qt's abort (134) and its English words about plug-ins were all a user got here.
        Случай{{"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM"},
               {},
               1,
               "",
               "Нет дисплея, окну программы негде открыться (переменные DISPLAY и "
               "WAYLAND_DISPLAY не заданы).\n" +
                   std::string(без_окна)},
        Случай{{"-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM", "DISPLAY=:9999"},
               {"--extended"},
               1,
               "",
               "Не удалось открыть дисплей, окну программы негде открыться (DISPLAY=:9999).\n" +
                   std::string(без_окна)},
        Случай{{"-u", "DISPLAY", "-u", "QT_QPA_PLATFORM"}, {"--help"}, 0, синтаксис, ""},
        Случай{{"-u", "DISPLAY", "-u", "QT_QPA_PLATFORM"},
               {"--version"},
               0,
               "krugolet " KRUGOLET_VERSION "\n",
               ""},
        // A normal start, ended once it waits for the user: not a word on the terminal.
        Случай{{на_экране}, {"--extended"}, -1, "", ""}));

} // namespace
