#include "cli/CommandPacket.h"

#include <gtest/gtest.h>

namespace snapwright {
namespace {

TEST(CommandPacket, CommandsAndAnswersArriveAsSentAndDamagedPacketsAreRefused) {
    using namespace std::string_literals;
    for (const HandedCommand& command : {HandedCommand{0xFFFF'FFFF'0000'1234, true, {"--file", "C:\\Übersicht ✓.png", ""}},
                                         HandedCommand{7, false, {}}}) {
        EXPECT_EQ(UnpackCommand(PackCommand(command)), command);
    }
    EXPECT_EQ(UnpackOutcome(PackOutcome({kExitFailed, "a\n\0b"s})), (CommandOutcome{kExitFailed, "a\n\0b"s}));
    for (const std::string& damaged : {""s, "12"s, "12\0002"s, "-1\0001"s, "12x\0001"s, "12\0001\0"s + std::string(70000, 'a')}) {
        EXPECT_FALSE(UnpackCommand(damaged)) << damaged.substr(0, 8);
    }
    for (const std::string& damaged : {""s, "3"s, "x\0text"s, "99999999999\0"s}) EXPECT_FALSE(UnpackOutcome(damaged)) << damaged;
}

}  // namespace
}  // namespace snapwright
