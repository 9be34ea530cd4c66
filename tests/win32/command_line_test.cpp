// krugolet.exe's command line, the program started as a process of its own: with its output
// redirected, as from a console or a script, and with nowhere to write, as from a shortcut.

#include "apps/gui/command_line.h"
#include "krugolet_version.h"
#include "platform/win32/unicode.h"
#include "tests/win32/program_under_test.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

namespace круголет {
namespace {

struct Итог {
    DWORD код;
    std::string вывод;
    std::string ошибки;
};

std::string прочитать(const std::wstring &файл) {
    std::ifstream f(файл.c_str(), std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

HANDLE файл_для_записи(const std::wstring &имя) {
    SECURITY_ATTRIBUTES наследуемый{sizeof наследуемый, nullptr, TRUE};
    return CreateFileW(имя.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &наследуемый, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The program ended, or was ended after the time limit with STILL_ACTIVE as its code.
DWORD код_выхода(HANDLE процесс) {
    DWORD код = STILL_ACTIVE;
    if (WaitForSingleObject(процесс, 10000) == WAIT_OBJECT_0)
        GetExitCodeProcess(процесс, &код);
    else
        TerminateProcess(процесс, 1);
    return код;
}

// Runs krugolet.exe of the current directory with the words after its name.
Итог запустить(const std::wstring &слова) {
    wchar_t папка[MAX_PATH];
    GetTempPathW(MAX_PATH, папка);
    const std::wstring основа =
        std::wstring(папка) + L"krugolet-args-" + std::to_wstring(GetCurrentProcessId());
    HANDLE вывод = файл_для_записи(основа + L".out");
    HANDLE ошибки = файл_для_записи(основа + L".err");
    STARTUPINFOW запуск{};
    запуск.cb = sizeof запуск;
    запуск.dwFlags = STARTF_USESTDHANDLES;
    запуск.hStdOutput = вывод;
    запуск.hStdError = ошибки;
    std::wstring строка = L"krugolet.exe " + слова;
    PROCESS_INFORMATION процесс{};
    Итог итог{STILL_ACTIVE, "", ""};
    if (CreateProcessW(nullptr, строка.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &запуск,
                       &процесс)) {
        итог.код = код_выхода(процесс.hProcess);
        CloseHandle(процесс.hThread);
        CloseHandle(процесс.hProcess);
    }
    CloseHandle(вывод);
    CloseHandle(ошибки);
    итог.вывод = прочитать(основа + L".out");
    итог.ошибки = прочитать(основа + L".err");
    DeleteFileW((основа + L".out").c_str());
    DeleteFileW((основа + L".err").c_str());
    return итог;
}

TEST(WindowProgramCommandLine, MistakesGoToStandardErrorWithStatusTwo) {
    for (const auto &[слова, первая] :
         {std::pair{L"--extnded", "неизвестный параметр: --extnded"},
          std::pair{L"--extended \"15 03 2000\"", "лишний аргумент: 15 03 2000"}}) {
        const Итог итог = запустить(слова);
        EXPECT_EQ(итог.код, DWORD{2}) << в_utf8(слова);
        EXPECT_EQ(итог.ошибки, std::string(первая) + "\n" + std::string(синтаксис_окна) +
                                   std::string(краткая_справка_окна));
        EXPECT_EQ(итог.вывод, "");
    }
}

TEST(WindowProgramCommandLine, HelpAndVersionGoToStandardOutput) {
    const Итог справка = запустить(L"--help");
    EXPECT_EQ(справка.код, DWORD{0});
    EXPECT_EQ(справка.вывод, std::string(синтаксис_окна) + std::string(справка_окна));
    const Итог версия = запустить(L"--extended --version");
    EXPECT_EQ(версия.код, DWORD{0});
    EXPECT_EQ(версия.вывод, "krugolet " KRUGOLET_VERSION "\n");
}

// Started as a shortcut starts it: no standard handles and no console to borrow.
TEST(WindowProgramCommandLine, WithNowhereToWriteAMistakeIsShownInABox) {
    STARTUPINFOW запуск{};
    запуск.cb = sizeof запуск;
    std::wstring строка = L"krugolet.exe --extnded";
    PROCESS_INFORMATION процесс{};
    ASSERT_TRUE(CreateProcessW(nullptr, строка.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS,
                               nullptr, nullptr, &запуск, &процесс));
    HWND ящик = дождаться_окна_процесса(процесс.dwProcessId, класс_диалога, L"Ошибка");
    ASSERT_NE(ящик, nullptr);
    // The lines of the console, without the last line feed.
    EXPECT_EQ(в_utf8(текст_окна(GetDlgItem(ящик, 0xFFFF))),
              "неизвестный параметр: --extnded\nИспользование: krugolet [--extended]\n"
              "Подробно: krugolet --help");
    PostMessageW(ящик, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(код_выхода(процесс.hProcess), DWORD{2});
    CloseHandle(процесс.hThread);
    CloseHandle(процесс.hProcess);
}

} // namespace
} // namespace круголет
