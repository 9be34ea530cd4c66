#pragma once

// Work that may wait on another program (the print server) is done on a thread of its own, while
// the window's thread goes on handling its events: the windows repaint meanwhile. The user's
// input waits until the work is over, so that nothing else starts in the middle of it; it then
// meets the modal window that the work leads to (the error box or the print's progress window).

#include <QEventLoop>
#include <QThread>

#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

namespace круголет {

// What `работа` gives, done off the window's thread. It must end on its own and touch no
// widget.
template <class Работа> std::invoke_result_t<Работа> итог_вне_окна(Работа работа) {
    std::optional<std::invoke_result_t<Работа>> итог;
    QEventLoop цикл;
    const std::unique_ptr<QThread> поток(QThread::create([&] { итог.emplace(работа()); }));
    QObject::connect(поток.get(), &QThread::finished, &цикл, &QEventLoop::quit,
                     Qt::QueuedConnection);
    поток->start();
    цикл.exec(QEventLoop::ExcludeUserInputEvents);
    поток->wait();
    return std::move(*итог);
}

} // namespace круголет
