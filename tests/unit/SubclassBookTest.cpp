#include "ui/SubclassBook.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

// The popup menu's test under Wine subclasses a real owner window, hears its messages, lets it go
// after the menu and when the owner is destroyed. These cases are the bookkeeping in the window's
// properties, which the popup menu, one listener per message, does not show. The errors that
// AttachMessage raises for what the program never attaches (a foreign window, a listener twice)
// and the order in which several listeners of one message hear it are left untested.
namespace snapwright {
namespace {

constexpr WindowRef kWindow = 0x10054;  // prints as 65620
constexpr WindowRef kForeignWindow = 0x30088;
constexpr std::intptr_t kOriginalProc = 0x7001;
constexpr std::intptr_t kSharedProc = 0x5A5A;
constexpr std::uint32_t kCommand = 0x111;
constexpr std::uint32_t kPaint = 0x0F;
constexpr const char* kSource = "snapwright.WindowProc";
using Props = std::map<std::string, std::intptr_t>;

// Windows as the bookkeeping sees them: properties and a procedure each.
class FakeWindows : public ISubclassWindows {
public:
    FakeWindows() {
        for (WindowRef hwnd : {kWindow, kForeignWindow}) procedures[hwnd] = kOriginalProc;
    }

    bool IsWindow(WindowRef hwnd) const override { return procedures.count(hwnd) != 0; }
    bool BelongsToThisProcess(WindowRef hwnd) const override { return hwnd != kForeignWindow; }
    std::intptr_t ReadProp(WindowRef hwnd, const std::string& name) const override {
        const auto window = props.find(hwnd);
        if (window == props.end()) return 0;
        const auto prop = window->second.find(name);
        return prop == window->second.end() ? 0 : prop->second;
    }
    bool WriteProp(WindowRef hwnd, const std::string& name, std::intptr_t value) override {
        if (value == 0) {
            props[hwnd].erase(name);
        } else {
            props[hwnd][name] = value;
        }
        return true;
    }
    std::vector<std::string> PropNames(WindowRef hwnd) const override {
        std::vector<std::string> names;
        const auto window = props.find(hwnd);
        if (window != props.end()) {
            for (const auto& [name, value] : window->second) names.push_back(name);
        }
        return names;
    }
    std::intptr_t ReplaceWindowProc(WindowRef hwnd, std::intptr_t procedure) override {
        const std::intptr_t previous = procedures[hwnd];
        procedures[hwnd] = procedure;
        return previous;
    }
    std::intptr_t CallProcedure(std::intptr_t, WindowRef, std::uint32_t, std::uintptr_t, std::intptr_t) override {
        return 0;
    }

    std::map<WindowRef, std::map<std::string, std::intptr_t>> props;
    std::map<WindowRef, std::intptr_t> procedures;
};

class Listener : public IMessageListener {
public:
    SubclassResponse Response() const override { return SubclassResponse::Consume; }
    void Response(SubclassResponse) override {}
    std::intptr_t WindowProc(WindowRef, std::uint32_t, std::uintptr_t, std::intptr_t) override { return 0; }
};

std::intptr_t AddressOf(IMessageListener& listener) {
    return reinterpret_cast<std::intptr_t>(&listener);
}

class SubclassBookTest : public ::testing::Test {
protected:
    FakeWindows windows;
    SubclassBook book{windows, kSharedProc, kSource};
};

TEST(SubclassPropertyNames, AreSignedThirtyTwoBitDecimals) {
    // A handle with the top bit of its 32 bits set prints negative, as a signed 32-bit value does.
    EXPECT_EQ(SubclassBook::PreviousProcName(static_cast<WindowRef>(0xFFFFFFFF80001234ull)), "-2147478988");
    EXPECT_EQ(SubclassBook::ListenerCountName(0x80001234u, 0x8000), "-2147478988#32768C");
}

TEST_F(SubclassBookTest, DetachingClosesTheGapAndTheLastPairRestoresTheWindow) {
    Listener a, b, c, stranger;
    for (Listener* listener : {&a, &b, &c}) book.AttachMessage(listener, kWindow, kCommand);
    const Props attached = windows.props[kWindow];
    book.DetachMessage(&stranger, kWindow, kCommand);
    book.DetachMessage(&a, kWindow, kPaint);
    book.DetachMessage(&a, kForeignWindow, kCommand);
    book.DetachMessage(nullptr, kWindow, kCommand);
    EXPECT_EQ(windows.props[kWindow], attached) << "detaching what is not attached changes nothing";

    book.DetachMessage(&b, kWindow, kCommand);
    EXPECT_EQ(windows.props[kWindow], (Props{{"65620", kOriginalProc},
                                             {"65620C", 2},
                                             {"65620#273C", 2},
                                             {"65620#273#1", AddressOf(a)},
                                             {"65620#273#2", AddressOf(c)}}));
    book.DetachMessage(&a, kWindow, kCommand);
    EXPECT_EQ(windows.procedures[kWindow], kSharedProc);
    book.DetachMessage(&c, kWindow, kCommand);
    EXPECT_EQ(windows.procedures[kWindow], kOriginalProc);
    EXPECT_TRUE(windows.props[kWindow].empty());
}

}  // namespace
}  // namespace snapwright
