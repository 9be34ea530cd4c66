#pragma once

#include <string_view>

namespace круголет {

enum class Поток_вывода { вывод, ошибки };

// Writes UTF-8 text where a window program started from a command line can be read: to its
// standard output or error when it was given one (redirected), or else to the console of the
// process that started it. Whether all of it was written: false when there is nowhere to write,
// as when it was started from a menu.
bool написать_в_консоль(Поток_вывода поток, std::string_view текст);

} // namespace круголет
