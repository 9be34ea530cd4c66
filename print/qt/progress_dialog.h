#pragma once

// The small window shown while a job prints: the document's title, the page being printed, the
// printer, and a button to cancel. It is modal, so that the user cannot start a second job or
// change the report in the middle of this one.

#include <QProgressDialog>

namespace круголет {

class Окно_хода_печати_qt {
  public:
    Окно_хода_печати_qt(const QString &заголовок, const QString &принтер);

    void показать_страницу(int номер);
    // Handles the events that are waiting, so that the window answers while the job runs;
    // whether the user has asked to cancel the job by now.
    bool отменено();

  private:
    QProgressDialog окно_;
    QString принтер_;
};

} // namespace круголет
