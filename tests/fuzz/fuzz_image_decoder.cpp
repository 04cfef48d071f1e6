// Any 2048 bytes as a module image, decoded by both versions: the decoder must stay inside the
// image and never produce a slot string longer than its field.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "codec/image_codec.h"
#include "settings/module_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    brenvox::ModuleImage img{};
    std::memcpy(img.data(), data, std::min(size, img.size()));
    for (int v = 0; v < 2; ++v) {
        brenvox::ModuleSettings s;
        if (v == 0)
            brenvox::DecodeImageV10(img, s);
        else
            brenvox::DecodeImageV11(img, s);
        for (const auto& slot : s.slots)
            if (slot.Phone.size() > brenvox::kPhoneMax || slot.SmsText.size() > brenvox::kSmsTextMax ||
                !slot.Comment.empty())
                std::abort();
        // A decoded image encodes again without touching anything outside the image.
        (void)brenvox::EncodeImageV10(s);
        (void)brenvox::EncodeImageV11(s);
    }
    return 0;
}
