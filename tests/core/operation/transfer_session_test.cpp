// What the GUI and the CLI both do after a Read: the module PIN check, then the decode with the
// version the module reported.
#include "operation/transfer_session.h"

#include <gtest/gtest.h>

#include <cstring>

namespace brenvox {
namespace {

struct ReadBack {
    TransferState state;
    int prompts = 0;

    ReadBack(const ModuleImage& image, ModuleInfo info) {
        state.readImage = image;
        state.moduleInfo.store(info);
    }
    std::optional<ModuleReadout> Accept(std::optional<std::string> entered) {
        return AcceptReadImage(state, [&] {
            ++prompts;
            return entered;
        });
    }
};

TEST(AcceptReadImage, ModulePinRefusals) {
    ModuleSettings s;
    s.MODPIN.clear();
    ReadBack none(EncodeImageV10(s), {1, 1, 0});
    none.state.readImage[2001] = '7';  // only the first PIN byte tells whether a PIN is set
    const auto open = none.Accept(std::nullopt);
    ASSERT_TRUE(open);
    EXPECT_EQ(none.prompts, 0) << "no PIN in the module: nobody is asked";
    EXPECT_EQ(open->version, ModuleVersion::V10);

    s.MODPIN = "8361";
    ReadBack pin(EncodeImageV10(s), {1, 1, 0});
    const auto right = pin.Accept("8361");
    ASSERT_TRUE(right);
    EXPECT_EQ(pin.prompts, 1);
    EXPECT_EQ(right->settings.MODPIN, "8361");
    for (const char* wrong : {"8362", "836", "83611", ""}) EXPECT_FALSE(pin.Accept(wrong)) << wrong;
    EXPECT_FALSE(pin.Accept(std::nullopt)) << "PIN entry cancelled";

    // Compared as code page 1250 bytes: "ą" is 0xB9 there. A character the code page cannot
    // hold must not match whatever a lossy conversion would have made of it.
    std::memcpy(&pin.state.readImage[2000], "12\xB9?", 4);
    EXPECT_TRUE(pin.Accept("12ą?"));
    EXPECT_FALSE(pin.Accept("12ą中"));
    EXPECT_FALSE(pin.Accept("12a?"));
}

TEST(AcceptReadImage, DecodesWithTheReportedVersion) {
    ModuleSettings s;
    s.MODPIN.clear();
    s.OUTCODE = "12";
    s.OFFCODE = "34";  // only 1.1 holds both codes
    ModuleSettings expected;
    DecodeImageV11(EncodeImageV11(s), expected);
    ReadBack v11(EncodeImageV11(s), {2, 1, 1});
    const auto read = v11.Accept(std::nullopt);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->version, ModuleVersion::V11);
    EXPECT_EQ(read->settings, expected);
    EXPECT_EQ(read->settings.OFFCODE, "34");

    for (ModuleInfo other : {ModuleInfo{1, 1, 2}, ModuleInfo{1, 2, 0}, ModuleInfo{1, 0, 1}})
        EXPECT_FALSE(ReadBack(EncodeImageV11(s), other).Accept(std::nullopt));
}

}  // namespace
}  // namespace brenvox
