#include "fuzz/shipped_library.h"

#include "fuzz/check.h"
#include "knowledge/library.h"

namespace круголет {

const Знания &знания_из_файла() {
    static const Знания знания = [] {
        Знания з = встроенные_знания();
        обязательно(загрузить_библиотеку(KRUGOLET_LIBRARY_FILE, з) == Загрузка::выполнена,
                    "the shipped library file loads");
        return з;
    }();
    return знания;
}

} // namespace круголет
