// krugolet.exe's command line, the program started as a process of its own: with its output
// redirected, as from a console or a script, and with nowhere to write, as from a shortcut.

#include "apps/gui/command_line.h"
#include "runtime/utf16.h"
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
    std::stringstream s;
    s << std::ifstream(файл.c_str(), std::ios::binary).rdbuf();
    DeleteFileW(файл.c_str());
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
    return итог;
}

struct Случай {
    const wchar_t *слова;
    DWORD код;
    std::string вывод;
    std::string ошибки;
};

class WindowProgramCommandLine : public testing::TestWithParam<Случай> {};

TEST_P(WindowProgramCommandLine, WritesToTheStreamItWasGivenAndEnds) {
    const Итог итог = запустить(GetParam().слова);
    EXPECT_EQ(итог.код, GetParam().код);
    EXPECT_EQ(итог.вывод, GetParam().вывод);
    EXPECT_EQ(итог.ошибки, GetParam().ошибки);
}

const std::string после_ошибки = std::string(синтаксис_окна) + std::string(краткая_справка_окна);

INSTANTIATE_TEST_SUITE_P(
    Words, WindowProgramCommandLine,
    testing::Values(
        // A quoted word with blanks is one word.
        Случай{L"--extended \"15 03 2000\"", 2, "", "лишний аргумент: 15 03 2000\n" + после_ошибки},
        Случай{L"--help", 0, std::string(синтаксис_окна) + справка_окна(), ""}));

// Started as a shortcut starts it: no standard handles and no console to borrow.
TEST(WindowProgramWithoutAConsole, ShowsAMistakeInABox) {
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
