// Display masks and the text conversions on any mask and any number: no crash, no undefined
// behaviour, and a mask's result always holds every literal character of the mask.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "model/text_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9) return 0;
    std::int64_t integer = 0;
    double real = 0;
    std::memcpy(&integer, data, 8);
    std::memcpy(&real, data, 8);
    const std::uint8_t mode = data[8];
    const std::string_view rest(reinterpret_cast<const char*>(data + 9), size - 9);
    const std::string_view mask = rest.substr(0, 40);

    std::string out;
    switch (mode % 6) {
        case 0:
            kragmoor::text::AppendMask(out, integer, mask);
            break;
        case 1:
            kragmoor::text::AppendMask(out, real, mask);
            break;
        case 2:
            out = kragmoor::text::MaskSingle(static_cast<float>(real), mask);
            break;
        case 3:
            kragmoor::text::AppendAtMask(out, rest.substr(mask.size()), mask);
            break;
        case 4: {
            const auto pay = kragmoor::text::RoundToInt16(kragmoor::text::ValueOfText(rest));
            (void)pay;
            break;
        }
        default:
            out = kragmoor::text::SingleText(static_cast<float>(real)) +
                  kragmoor::text::RtpText(static_cast<float>(real));
            kragmoor::text::PadToNextZone(out);
            break;
    }
    if (mode % 6 <= 2 && out != "NaN" && out != "Inf" && out != "-Inf") {
        // Every character of the mask that is no digit place stands in the result.
        std::size_t literals = 0;
        for (char c : mask) literals += (c != '#' && c != '0') ? 1u : 0u;
        if (out.size() < literals) std::abort();
    }
    return 0;
}
