#include "platform/SubclassBook.h"

#include <gtest/gtest.h>

// The popup menu's test under Wine subclasses a real owner window, hears its messages, lets it go
// after the menu and when the owner is destroyed, which is all of the bookkeeping the program uses.
// What it cannot show are the names of the window properties, which other programs see.
namespace snapwright {
namespace {

TEST(SubclassPropertyNames, AreSignedThirtyTwoBitDecimals) {
    // A handle with the top bit of its 32 bits set prints negative, as a signed 32-bit value does.
    EXPECT_EQ(SubclassBook::PreviousProcName(static_cast<WindowRef>(0xFFFFFFFF80001234ull)), "-2147478988");
    EXPECT_EQ(SubclassBook::ListenerCountName(0x80001234u, 0x8000), "-2147478988#32768C");
}

}  // namespace
}  // namespace snapwright
