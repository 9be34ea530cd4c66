#include "knowledge/library_place.h"

#include "knowledge/library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using круголет::имя_библиотеки;

enum Место { нигде, текущий, программы, данных };

struct Случай {
    bool в_текущем, у_программы, в_данных;
    Место выбрано;
};

// A current directory, a program directory and a data directory, each with or without a file.
class LibraryChoice : public ::testing::TestWithParam<Случай> {
  protected:
    void SetUp() override {
        // One directory per case: CTest runs the cases side by side.
        std::string имя = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(имя.begin(), имя.end(), '/', '-');
        корень = fs::temp_directory_path() / ("krugolet-place-" + имя);
        for (const char *каталог : {"cwd", "bin", "share"})
            fs::create_directories(корень / каталог);
        прежний = fs::current_path();
        fs::current_path(корень / "cwd");
    }
    void TearDown() override {
        fs::current_path(прежний);
        fs::remove_all(корень);
    }

    fs::path корень, прежний;
};

TEST_P(LibraryChoice, TakesTheFirstDirectoryInOrderThatHasTheFile) {
    const Случай с = GetParam();
    for (auto [есть, каталог] : {std::pair{с.в_текущем, "cwd"}, std::pair{с.у_программы, "bin"},
                                 std::pair{с.в_данных, "share"}})
        if (есть)
            std::ofstream(корень / каталог / имя_библиотеки) << "лето(1, \"a\")\n";
    const fs::path ожидаемо[] = {имя_библиотеки, имя_библиотеки, корень / "bin" / имя_библиотеки,
                                 корень / "share" / имя_библиотеки};
    EXPECT_EQ(круголет::путь_библиотеки(корень / "bin", корень / "share"), ожидаемо[с.выбрано]);
    // Without a data directory, as on Windows, only the other two count.
    const auto без_данных = с.выбрано == данных ? нигде : с.выбрано;
    EXPECT_EQ(круголет::путь_библиотеки(корень / "bin", {}), ожидаемо[без_данных]);
}

INSTANTIATE_TEST_SUITE_P(
    Places, LibraryChoice,
    ::testing::Values(Случай{true, true, true, текущий}, Случай{true, false, true, текущий},
                      Случай{false, true, true, программы}, Случай{false, false, true, данных},
                      Случай{false, true, false, программы}, Случай{false, false, false, нигде}));

} // namespace
