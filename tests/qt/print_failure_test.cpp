// "Печать" where the print server does not take the job: a queue of the test's own that refuses
// jobs, made this process's default printer. The print error box, and nothing printed.

#include "tests/qt/program_fixture.h"
#include "ui/controls.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <optional>
#include <string>

namespace круголет {
namespace {

// The standard output of a program, or nothing when it failed.
std::optional<QString> вывод_команды(const QString &программа, const QStringList &аргументы) {
    QProcess процесс;
    процесс.start(программа, аргументы);
    if (!процесс.waitForFinished(30000) || процесс.exitStatus() != QProcess::NormalExit ||
        процесс.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(процесс.readAllStandardOutput());
}

// An environment variable of this process, set for as long as this object lives.
class Переменная_среды {
  public:
    Переменная_среды(const char *имя, const QByteArray &значение)
        : имя_(имя), была_(qEnvironmentVariableIsSet(имя)), прежняя_(qgetenv(имя)) {
        qputenv(имя, значение);
    }
    ~Переменная_среды() {
        if (была_)
            qputenv(имя_, прежняя_);
        else
            qunsetenv(имя_);
    }

  private:
    const char *имя_;
    bool была_;
    QByteArray прежняя_;
};

// A queue of this process's own that refuses jobs, removed with this object. It would write a
// PDF, if it took a job. Its own, so that tests side by side and other users of the print server
// are not disturbed.
class Отказывающая_очередь {
  public:
    Отказывающая_очередь()
        : имя_(QStringLiteral("krugolet-refusing-%1").arg(QCoreApplication::applicationPid())) {
        готова_ = вывод_команды("bash", {KRUGOLET_PRINT_SERVER, "refusing", имя_}).has_value();
    }
    ~Отказывающая_очередь() { вывод_команды("bash", {KRUGOLET_PRINT_SERVER, "remove", имя_}); }
    Отказывающая_очередь(const Отказывающая_очередь &) = delete;
    Отказывающая_очередь &operator=(const Отказывающая_очередь &) = delete;

    bool готова() const { return готова_; }
    const QString &имя() const { return имя_; }

  private:
    QString имя_;
    bool готова_;
};

class QtPrintFailure : public Программа_qt {
  protected:
    void SetUp() override {
        Программа_qt::SetUp();
        ASSERT_TRUE(временная_.isValid());
    }

    void ожидать_ящик_ошибки_печати(const Ящики &ящики) {
        ASSERT_EQ(ящики.показаны.size(), 1u);
        EXPECT_EQ(ящики.показаны[0].заголовок, "Ошибка печати");
        EXPECT_EQ(ящики.показаны[0].текст, "Не могу инициализировать принтер");
        EXPECT_EQ(ящики.показаны[0].значок, QMessageBox::Critical);
        EXPECT_EQ(ящики.показаны[0].кнопок, 1);
    }

    // The PDF files in the temporary folder, by name.
    std::string оставлено() const {
        return QDir(временная_.path())
            .entryList({QStringLiteral("*.pdf")}, QDir::Files | QDir::Hidden)
            .join(' ')
            .toStdString();
    }

    // A job's PDF is drawn in the temporary folder: one of the test's own shows what is left (the
    // program's own folder is made there too).
    QTemporaryDir временная_;
    Переменная_среды своя_временная_{"TMPDIR", временная_.path().toUtf8()};
};

TEST_F(QtPrintFailure, AQueueThatRefusesJobsGivesTheErrorBoxAndReceivesNoJob) {
    if (!вывод_команды("bash", {KRUGOLET_PRINT_SERVER, "status"}))
        GTEST_SKIP() << "no print server (scripts/print-server start)";
    const Отказывающая_очередь очередь;
    ASSERT_TRUE(очередь.готова());
    const Переменная_среды по_умолчанию("LPDEST", очередь.имя().toUtf8());
    запустить({1990, 7, 14, 21, 30});

    Ящики ящики;
    щелкнуть(кнопка_печати);
    ожидать_ящик_ошибки_печати(ящики);
    EXPECT_EQ(вывод_команды("lpstat", {"-W", "all", "-o", очередь.имя()}), QString());
    EXPECT_EQ(оставлено(), "") << "the job's file was left behind";
}

} // namespace
} // namespace круголет
