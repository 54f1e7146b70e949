#include "numeric/number_text.h"

#include <locale.h>
#include <stdlib.h>

#include <string>

namespace lumox {

double AtoF(std::string_view text) {
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const std::string terminated(text);
    return strtod_l(terminated.c_str(), nullptr, c_locale);
}

}  // namespace lumox
