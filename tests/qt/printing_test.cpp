// The Qt print job end to end: into a PDF file of Qt's own, read back with pdftotext, and
// through CUPS onto the print server's PDF queue by the program's "Печать".

#include "print/pages.h"
#include "print/print_text.h"
#include "print/qt/printer_qt.h"
#include "print/recording_job.h"
#include "print/wrap.h"
#include "tests/qt/program_fixture.h"
#include "ui/controls.h"

#include <QApplication>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace круголет {
namespace {

constexpr int ширина_табуляции = 6;

// Prints into a PDF file, as Qt writes one.
class Принтер_в_файл final : public Принтер {
  public:
    explicit Принтер_в_файл(std::filesystem::path файл) : файл_(std::move(файл)) {}
    std::unique_ptr<Задание_печати> начать(std::string_view заголовок) override {
        const QString путь = QString::fromStdString(файл_.string());
        return начать_задание(std::make_unique<QPdfWriter>(путь), путь, заголовок, "PDF file");
    }

  private:
    std::filesystem::path файл_;
};

// The pages the layout makes of the text with the figures of the printer's jobs.
std::size_t страниц_по_разметке(Принтер &принтер, const std::string &текст) {
    Записывающий_принтер образец;
    {
        const auto задание = принтер.начать("figures");
        EXPECT_NE(задание, nullptr);
        if (!задание)
            return 0;
        образец.фигуры = задание->фигуры_принтера();
        образец.разрешения_экрана = {задание->разрешение_экрана()};
    }
    напечатать_текст(образец, текст, ширина_табуляции);
    return образец.запись.страницы.size();
}

std::string вывод(const QString &программа, const QStringList &аргументы) {
    QProcess процесс;
    процесс.start(программа, аргументы);
    if (!процесс.waitForFinished(30000))
        return {};
    return процесс.readAllStandardOutput().toStdString();
}

std::size_t страниц_в_pdf(const std::filesystem::path &файл) {
    std::istringstream сведения(вывод("pdfinfo", {QString::fromStdString(файл.string())}));
    for (std::string строка; std::getline(сведения, строка);)
        if (строка.rfind("Pages:", 0) == 0)
            return std::stoul(строка.substr(6));
    return 0;
}

struct Слово {
    std::string текст;
    double лево;  // points
    double право; // points
};

// The words of a page in reading order, with their left and right edges.
std::vector<Слово> слова_страницы(const std::filesystem::path &файл, std::size_t страница) {
    const QString номер = QString::number(страница);
    const QString html =
        QString::fromStdString(вывод("pdftotext", {"-bbox", "-f", номер, "-l", номер,
                                                   QString::fromStdString(файл.string()), "-"}));
    static const QRegularExpression слово(
        R"re(<word xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re");
    std::vector<Слово> итог;
    for (auto найдено = слово.globalMatch(html); найдено.hasNext();) {
        const auto с = найдено.next();
        QString текст = с.captured(3);
        for (const auto &[сущность, знак] :
             {std::pair{"&lt;", "<"}, std::pair{"&gt;", ">"}, std::pair{"&quot;", "\""},
              std::pair{"&apos;", "'"}, std::pair{"&amp;", "&"}})
            текст.replace(QLatin1String(сущность), QLatin1String(знак));
        итог.push_back({текст.toStdString(), с.captured(1).toDouble(), с.captured(2).toDouble()});
    }
    return итог;
}

std::vector<std::string> слова(const std::string &текст) {
    std::istringstream поток(текст);
    std::vector<std::string> итог;
    for (std::string слово; поток >> слово;)
        итог.push_back(слово);
    return итог;
}

std::size_t знаков(const std::string &строка) {
    return static_cast<std::size_t>(QString::fromStdString(строка).size());
}

// A report long enough for three pages, with a line longer than a row.
std::string длинный_отчет() {
    const std::string отчет = отчет_для(14, 7, 1990, 21, 30);
    std::string текст;
    for (int i = 0; i < 4; ++i)
        текст += отчет + "\n";
    текст += "Эта строка нарочно длиннее восьмидесяти знаков ряда, чтобы печать перенесла её по "
             "пробелу на следующий ряд страницы.";
    return текст;
}

class QtPrinting : public ::testing::Test {
  protected:
    void SetUp() override {
        // CTest runs the tests of this suite side by side: each has a file of its own.
        pdf_ = std::filesystem::temp_directory_path() /
               (std::string("krugolet-qt-print-") +
                testing::UnitTest::GetInstance()->current_test_info()->name() + ".pdf");
        std::filesystem::remove(pdf_);
    }
    void TearDown() override { std::filesystem::remove(pdf_); }
    std::filesystem::path pdf_;
};

TEST_F(QtPrinting, PdfHoldsTheReportWordForWordUnderTheHeaderInRowsOfAtMostEighty) {
    const std::string текст = длинный_отчет();
    Принтер_в_файл принтер(pdf_);
    const std::size_t страниц = страниц_по_разметке(принтер, текст);
    ASSERT_GE(страниц, 2u);
    std::filesystem::remove(pdf_);

    ASSERT_TRUE(напечатать_текст(принтер, текст, ширина_табуляции));
    ASSERT_TRUE(std::filesystem::exists(pdf_));
    EXPECT_EQ(страниц_в_pdf(pdf_), страниц);

    // Qt writes no glyph for a blank: the header's gap is read from the places of its words.
    std::vector<std::string> слова_текста;
    for (std::size_t страница = 1; страница <= страниц; ++страница) {
        const std::vector<Слово> на_странице = слова_страницы(pdf_, страница);
        ASSERT_GE(на_странице.size(), 4u) << страница;
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(на_странице[i].текст, слова(std::string(название_круголета))[i]);
        EXPECT_EQ(на_странице[3].текст,
                  std::string("-").append(std::to_string(страница)).append("-"));
        // Eleven blanks of a 10-point Times face, a quarter em each.
        EXPECT_NEAR(на_странице[3].лево - на_странице[2].право, 11 * 2.5, 2.5) << страница;
        for (std::size_t i = 4; i < на_странице.size(); ++i)
            слова_текста.push_back(на_странице[i].текст);
    }
    EXPECT_EQ(слова_текста, слова(текст));

    std::istringstream строки(
        вывод("pdftotext", {"-layout", QString::fromStdString(pdf_.string()), "-"}));
    for (std::string строка; std::getline(строки, строка);)
        if (строка.rfind(std::string(название_круголета), 0) != 0) {
            EXPECT_LE(знаков(строка), ширина_ряда) << строка;
        }
}

// The user cancels in the progress window while the first page prints.
TEST_F(QtPrinting, CancelInTheProgressWindowDiscardsTheWholeJob) {
    const std::string текст = длинный_отчет();
    Принтер_в_файл принтер(pdf_);
    ASSERT_GE(страниц_по_разметке(принтер, текст), 2u);
    std::filesystem::remove(pdf_);

    QObject хозяин;
    bool отменено = false;
    QTimer часы;
    QObject::connect(&часы, &QTimer::timeout, &хозяин, [&] {
        for (QWidget *окно : QApplication::topLevelWidgets())
            if (auto *ход = qobject_cast<QProgressDialog *>(окно); ход && ход->isVisible()) {
                QTest::mouseClick(ход->findChild<QPushButton *>(), Qt::LeftButton);
                отменено = true;
                часы.stop();
            }
    });
    часы.start(0);
    напечатать_текст(принтер, текст, ширина_табуляции);
    EXPECT_TRUE(отменено);
    EXPECT_FALSE(std::filesystem::exists(pdf_)) << "a cancelled job left its file";
}

// The files in the print server's output folder, hidden ones too (a job's title may make one).
std::vector<std::filesystem::path> файлы_в(const std::filesystem::path &папка) {
    std::vector<std::filesystem::path> итог;
    std::error_code ошибка;
    for (const auto &файл : std::filesystem::directory_iterator(папка, ошибка))
        итог.push_back(файл.path());
    return итог;
}

using QtProgram = Программа_qt;

// "Печать" on the print server's PDF queue: one job, as many pages as the layout makes of the
// report with that printer's figures.
TEST_F(QtProgram, PrintSendsOneJobThatLandsAsAPdfWithThePagesTheLayoutPredicts) {
    if (QPrinterInfo::defaultPrinter().printerName() != "PDF")
        GTEST_SKIP() << "the default printer is not the print server's PDF queue "
                        "(scripts/print-server start)";
    const std::filesystem::path папка =
        QString::fromStdString(вывод("bash", {KRUGOLET_PRINT_SERVER, "dir"}))
            .trimmed()
            .toStdString();
    запустить({1990, 7, 14, 21, 30});
    const std::string текст = длинный_отчет();
    платформа->главное_окно()->элемент(поле_отчета)->установить_текст(текст);
    Принтер_qt образец;
    const std::size_t страниц = страниц_по_разметке(образец, текст);
    ASSERT_GE(страниц, 2u);
    const auto прежние = файлы_в(папка);

    Ящики ящики;
    щелкнуть(кнопка_печати);
    EXPECT_TRUE(ящики.показаны.empty());
    std::vector<std::filesystem::path> новые;
    // cups-pdf writes the file under its final name as it goes: it is whole once it has pages.
    const bool пришел = QTest::qWaitFor(
        [&] {
            новые.clear();
            for (const auto &файл : файлы_в(папка))
                if (std::find(прежние.begin(), прежние.end(), файл) == прежние.end())
                    новые.push_back(файл);
            return новые.size() == 1 && страниц_в_pdf(новые[0]) > 0;
        },
        60000);
    ASSERT_TRUE(пришел) << новые.size() << " new files in " << папка;
    QTest::qWait(2000);
    EXPECT_EQ(файлы_в(папка).size(), прежние.size() + 1) << "more than one job arrived";
    EXPECT_EQ(страниц_в_pdf(новые[0]), страниц);
}

// Without a default printer (the test is run with a print server that is not there).
TEST_F(QtProgram, PrintWithoutADefaultPrinterGivesTheErrorBoxAndStartsNoJob) {
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a default printer is reachable; this case is run without a print server";
    запустить({1990, 7, 14, 21, 30});
    Ящики ящики;
    bool ход_показан = false;
    QTimer часы;
    QObject::connect(&часы, &QTimer::timeout, [&] {
        for (QWidget *окно : QApplication::topLevelWidgets())
            ход_показан |= qobject_cast<QProgressDialog *>(окно) && окно->isVisible();
    });
    часы.start(0);
    щелкнуть(кнопка_печати);
    ASSERT_EQ(ящики.показаны.size(), 1u);
    EXPECT_EQ(ящики.показаны[0].заголовок, "Ошибка печати");
    EXPECT_EQ(ящики.показаны[0].текст, "Не могу инициализировать принтер");
    EXPECT_EQ(ящики.показаны[0].значок, QMessageBox::Critical);
    EXPECT_FALSE(ход_показан);
}

} // namespace
} // namespace круголет
