#include "tests/ui/ui_fixture.h"

#include "calendar/report.h"
#include "tests/support/library_fixture.h"
#include "ui/fields.h"

#include <string>
#include <vector>

namespace круголет {
namespace {

class InputFields : public Окна {
  protected:
    void SetUp() override {
        Окна::SetUp();
        платформа.часы = {1990, 3, 5, 21, 40};
        запустить();
        прежний = отчет();
        ASSERT_FALSE(прежний.empty());
    }

    // The report of 31.12.2011 00:31, the moment typed by `набрать_верное`.
    static std::string отчет_верного() {
        return отчет_момента(знания_для_тестов(), {31, 12, 2011, 0, 31}).value();
    }
    void набрать_верное() { набрать("31", "12", "2011", "0", "31"); }

    std::string прежний;
};

const std::vector<int> все_поля{поле_дня, поле_месяца, поле_года, поле_часа, поле_минуты};

TEST_F(InputFields, EnterInEachFieldRunsTheCalculation) {
    for (int поле : все_поля) {
        SCOPED_TRACE(поле);
        элемент(поле_отчета).установить_текст(прежний);
        платформа.нажатия.clear();
        набрать_верное();
        EXPECT_EQ(отпустить_клавишу(поле, Клавиша::ввод), обработано);
        EXPECT_EQ(отчет(), отчет_верного());
        ASSERT_EQ(платформа.нажатия.size(), 1u);
        EXPECT_EQ(платформа.нажатия[0].куда, &главное());
        EXPECT_EQ(платформа.нажатия[0].номер, кнопка_расчета);
    }
}

TEST_F(InputFields, TabAndSpaceMoveTheFocusInReadingOrder) {
    const std::vector<std::pair<int, int>> переходы{{поле_дня, поле_месяца},
                                                    {поле_месяца, поле_года},
                                                    {поле_года, поле_часа},
                                                    {поле_часа, поле_минуты}};
    for (Клавиша клавиша : {Клавиша::табуляция, Клавиша::пробел})
        for (const auto &[откуда, куда] : переходы) {
            SCOPED_TRACE(testing::Message() << static_cast<int>(клавиша) << " in " << откуда);
            элемент(откуда).установить_фокус();
            EXPECT_EQ(отпустить_клавишу(откуда, клавиша), обработано);
            EXPECT_EQ(платформа.фокус, &элемент(куда));
        }
    EXPECT_TRUE(платформа.нажатия.empty());
    EXPECT_EQ(отчет(), прежний);
}

TEST_F(InputFields, TabOrSpaceInTheMinuteFieldCalculatesAndKeepsTheFocus) {
    for (Клавиша клавиша : {Клавиша::табуляция, Клавиша::пробел}) {
        SCOPED_TRACE(static_cast<int>(клавиша));
        элемент(поле_отчета).установить_текст(прежний);
        набрать_верное();
        if (клавиша == Клавиша::пробел) // the blank is typed before the key comes up
            платформа.ввести(элемент(поле_минуты), " ");
        элемент(поле_минуты).установить_фокус();
        EXPECT_EQ(отпустить_клавишу(поле_минуты, клавиша), обработано);
        EXPECT_EQ(платформа.фокус, &элемент(поле_минуты));
        EXPECT_EQ(отчет(), отчет_верного());
    }
}

TEST_F(InputFields, SpaceTypedInsideANumberSplitsItAndTheNextCalculationIsRefused) {
    набрать("3 1", "12", "2011", "0", "31");
    элемент(поле_дня).установить_фокус();
    отпустить_клавишу(поле_дня, Клавиша::пробел);
    EXPECT_EQ(платформа.фокус, &элемент(поле_месяца));
    EXPECT_TRUE(платформа.ошибки.empty());
    отпустить_клавишу(поле_месяца, Клавиша::ввод);
    EXPECT_EQ(платформа.ошибки.size(), 1u);
    EXPECT_EQ(отчет(), прежний);
}

TEST_F(InputFields, OtherKeysAndEventsAreLeftToTheField) {
    набрать_верное();
    элемент(поле_дня).установить_фокус();
    for (int поле : все_поля) {
        EXPECT_NE(отпустить_клавишу(поле, Клавиша::другая), обработано);
        for (Клавиша клавиша : {Клавиша::табуляция, Клавиша::ввод, Клавиша::пробел}) {
            EXPECT_NE(платформа.отправить(элемент(поле), {Вид_события::прочее, 0, клавиша}),
                      обработано);
            EXPECT_NE(платформа.отправить(элемент(поле), {Вид_события::команда, 1, клавиша}),
                      обработано);
        }
    }
    EXPECT_EQ(платформа.фокус, &элемент(поле_дня));
    EXPECT_TRUE(платформа.нажатия.empty());
    EXPECT_EQ(отчет(), прежний);
}

TEST(NextFieldKey, TabAndSpaceOnly) {
    EXPECT_TRUE(клавиша_перехода(Клавиша::табуляция));
    EXPECT_TRUE(клавиша_перехода(Клавиша::пробел));
    EXPECT_FALSE(клавиша_перехода(Клавиша::ввод));
    EXPECT_FALSE(клавиша_перехода(Клавиша::другая));
}

// A date that does not exist gets the one line; one that exists but lies outside the range a
// second line, which names the range and the wide one.
TEST_F(InputFields, RefusedMomentsShowOneBoxAndLeaveTheReport) {
    struct Случай {
        const char *день, *месяц, *год, *час, *минута;
        bool есть_такая_дата;
    };
    const std::vector<Случай> случаи{
        {"22", "9", "1868", "18", "0", true}, {"22", "9", "2012", "19", "0", true},
        {"21", "9", "1868", "23", "0", true}, {"31", "8", "1868", "12", "0", true},
        {"23", "9", "2012", "0", "0", true},  {"1", "10", "2012", "0", "0", true},
        {"1", "1", "1867", "0", "0", true},   {"1", "1", "2013", "0", "0", true},
        {"5", "3", "2026", "12", "0", true},  {"29", "2", "2100", "0", "0", true},
        {"1", "1", "1", "0", "0", true},      {"30", "2", "1904", "0", "0", false},
        {"31", "4", "1950", "0", "0", false}, {"29", "2", "2026", "0", "0", false},
        {"1", "0", "1950", "0", "0", false},  {"1", "13", "1950", "0", "0", false},
        {"0", "1", "1950", "0", "0", false},  {"32", "1", "1950", "0", "0", false},
        {"1", "1", "1950", "24", "0", false}, {"1", "1", "1950", "0", "60", false},
        {"1", "1", "1950", "-1", "0", false}, {"+1", "1", "1950", "0", "0", false},
        {"1", "1", "0", "0", "0", false},     {"1", "1", "-2026", "0", "0", false},
        {"1", "1", "2026", "12", "", false},
    };
    for (const Случай &с : случаи) {
        SCOPED_TRACE(testing::Message() << с.день << "." << с.месяц << "." << с.год << " " << с.час
                                        << ":" << с.минута);
        платформа.ошибки.clear();
        набрать(с.день, с.месяц, с.год, с.час, с.минута);
        отпустить_клавишу(поле_дня, Клавиша::ввод);
        ASSERT_EQ(платформа.ошибки.size(), 1u);
        EXPECT_EQ(платформа.ошибки[0].заголовок, "Ошибка");
        EXPECT_EQ(
            платформа.ошибки[0].текст,
            с.есть_такая_дата
                ? "Неправильные данные!\nМомент лежит вне Круга Жизни с 22.09.1868\u00a019:00 до "
                  "22.09.2012\u00a019:00. Пункт меню «Круголет» (krugolet --extended) принимает "
                  "моменты с 19.09.1800\u00a019:00 до 21.09.2099\u00a019:00."
                : "Неправильные данные!");
        EXPECT_EQ(отчет(), прежний);
        EXPECT_EQ(элемент(поле_дня).текст(), с.день); // nothing corrected or cleared
    }
}

TEST_F(InputFields, EdgesOfTheSpanAndLeapDaysAreAccepted) {
    struct Случай {
        int день, месяц, год, час, минута;
    };
    for (const Случай &с : std::vector<Случай>{{22, 9, 1868, 19, 0},
                                               {22, 9, 2012, 18, 59},
                                               {23, 9, 1868, 0, 0},
                                               {21, 9, 2012, 23, 59},
                                               {29, 2, 1900, 12, 0}}) {
        SCOPED_TRACE(testing::Message() << с.день << "." << с.месяц << "." << с.год);
        набрать(std::to_string(с.день), std::to_string(с.месяц), std::to_string(с.год),
                std::to_string(с.час), std::to_string(с.минута));
        отпустить_клавишу(поле_года, Клавиша::ввод);
        EXPECT_TRUE(платформа.ошибки.empty());
        EXPECT_EQ(отчет(),
                  отчет_момента(знания_для_тестов(), {с.день, с.месяц, с.год, с.час, с.минута}));
    }
}

// Whatever the user types or pastes into a field, the conversion ends either in a new report
// or in the one error box, never in both, nothing or a second box.
TEST_F(InputFields, AnyTypedTextEndsInAReportOrTheOneBox) {
    const std::vector<std::string> тексты{
        "",
        " ",
        "7 ",
        " 7",
        "\t7",
        "07",
        "0x1F",
        "0X0c",
        "0o17",
        "-0",
        "- 1",
        "1-",
        "+5",
        "5a",
        "a5",
        "1 2",
        "1\r\n2",
        "1\r\n",
        "\r\n1",
        "5\r",
        "99999999999999999999",
        "2147483648",
        "-2147483649",
        "2147483647",
        "-2147483648",
        "٣",
        "３",
        "一",
        "0x",
        "0o",
        "0x1G",
        "\xff\xfe",
        "1868",
        "2012",
        "9",
        "12",
        "29",
        "59",
        "１２",
        "%s%d%",
        std::string(5000, '9'),
        std::string("1\0", 2),
    };
    int отчетов = 0;
    for (int поле : все_поля)
        for (const std::string &текст : тексты) {
            SCOPED_TRACE(testing::Message() << поле << " [" << текст << "]");
            набрать("22", "6", "1950", "12", "30");
            элемент(поле).текст_в_элементе = текст;
            элемент(поле_отчета).установить_текст("прежний отчет");
            платформа.ошибки.clear();
            отпустить_клавишу(поле, Клавиша::ввод);
            const bool новый = отчет() != "прежний отчет";
            EXPECT_EQ(платформа.ошибки.size(), новый ? 0u : 1u);
            отчетов += новый;
        }
    EXPECT_GT(отчетов, 0);
}

} // namespace
} // namespace круголет
