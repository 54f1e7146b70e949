// The equation text of lumox-cli and the Build Equation window on arbitrary bytes, over four variables: it either refuses
// with a reason or gives a model with a possible count of entries.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "document/equation_text.h"
#include "fuzz_support.h"
#include "platform/abort.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    lumox::fuzz::SilentPrompt prompt;
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    const std::string names[] = {"Y", "A", "B", "C"};
    auto find = [&names](const std::string& name) {
        for (int k = 0; k < 4; ++k) {
            if (name == names[k] || name == "#" + std::to_string(k + 1)) return k;
        }
        return -1;
    };
    std::string error;
    try {
        const std::optional<lumox::EquationModel> model =
            lumox::ParseEquation(text, find, error);
        if (model &&
            (model->m_nEntryCount < 1 || model->m_nEntryCount > lumox::EquationModel::kEntries)) {
            std::abort();
        }
    } catch (const lumox::UserAbort&) {
    }
    return 0;
}
