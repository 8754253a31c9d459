#include "ui/SubclassBook.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/ObjectError.h"

// The records in a real window's properties and their removal when the window is destroyed are
// tested under Wine (WindowSubclasserTest); these cases are the ones a real window cannot make.
namespace snapwright {
namespace {

constexpr WindowRef kWindow = 0x10054;  // prints as 65620
constexpr WindowRef kOtherWindow = 0x20066;
constexpr WindowRef kForeignWindow = 0x30088;
constexpr std::intptr_t kOriginalProc = 0x7001;
constexpr std::intptr_t kSharedProc = 0x5A5A;
constexpr std::uint32_t kCommand = 0x111;
constexpr std::uint32_t kPaint = 0x0F;
constexpr std::uint32_t kDestroy = 0x02;
constexpr std::intptr_t kPreviousResult = 77;
constexpr const char* kSource = "snapwright.WindowProc";
using Props = std::map<std::string, std::intptr_t>;

std::string ProcedureCall(std::intptr_t procedure, std::uint32_t message, std::uintptr_t wParam) {
    return "proc " + std::to_string(procedure) + " msg " + std::to_string(message) + " w " + std::to_string(wParam);
}
std::string Original(std::uint32_t message, std::uintptr_t wParam = 0) {
    return ProcedureCall(kOriginalProc, message, wParam);
}

// Windows as the bookkeeping sees them: properties, a procedure each, and a log of the calls of
// procedures, which the listeners share. Writes can be made to fail from a chosen one on.
class FakeWindows : public ISubclassWindows {
public:
    FakeWindows() {
        for (WindowRef hwnd : {kWindow, kOtherWindow, kForeignWindow}) procedures[hwnd] = kOriginalProc;
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
            return true;
        }
        if (++writes >= failFromWrite && failFromWrite > 0) return false;
        props[hwnd][name] = value;
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
        if (refuseReplace) return 0;
        const std::intptr_t previous = procedures[hwnd];
        procedures[hwnd] = procedure;
        return previous;
    }
    std::intptr_t CallProcedure(std::intptr_t procedure, WindowRef, std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t) override {
        log.push_back(ProcedureCall(procedure, message, wParam));
        return kPreviousResult;
    }

    std::map<WindowRef, std::map<std::string, std::intptr_t>> props;
    std::map<WindowRef, std::intptr_t> procedures;
    std::vector<std::string> log;
    int writes = 0;
    int failFromWrite = 0;
    bool refuseReplace = false;
};

class Listener : public IMessageListener {
public:
    Listener(std::string name, std::vector<std::string>& log, SubclassResponse response = SubclassResponse::Consume,
             std::intptr_t result = 0)
        : m_name(std::move(name)), m_log(log), m_response(response), m_result(result) {}

    SubclassResponse Response() const override { return m_response; }
    void Response(SubclassResponse response) override { m_response = response; }
    std::intptr_t WindowProc(WindowRef hwnd, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam) override {
        m_log.push_back(m_name);
        if (onMessage) onMessage(hwnd, message, wParam, lParam);
        return m_result;
    }

    std::function<void(WindowRef, std::uint32_t, std::uintptr_t, std::intptr_t)> onMessage;

private:
    std::string m_name;
    std::vector<std::string>& m_log;
    SubclassResponse m_response;
    std::intptr_t m_result;
};

std::intptr_t AddressOf(IMessageListener& listener) {
    return reinterpret_cast<std::intptr_t>(&listener);
}

class SubclassBookTest : public ::testing::Test {
protected:
    int RaisedCode(const std::function<void()>& action) {
        try {
            action();
        } catch (const ObjectError& error) {
            EXPECT_EQ(error.Source(), error.Code() > 1000 ? kSource : "");
            return error.Code();
        }
        return 0;
    }

    FakeWindows windows;
    std::vector<std::string>& log = windows.log;
    SubclassBook book{windows, kSharedProc, kSource};
};

TEST(SubclassPropertyNames, AreSignedThirtyTwoBitDecimals) {
    // A handle with the top bit of its 32 bits set prints negative, as a signed 32-bit value does.
    EXPECT_EQ(SubclassBook::PreviousProcName(static_cast<WindowRef>(0xFFFFFFFF80001234ull)), "-2147478988");
    EXPECT_EQ(SubclassBook::ListenerCountName(0x80001234u, 0x8000), "-2147478988#32768C");
}

TEST_F(SubclassBookTest, RefusedAttachmentsLeaveTheWindowAsItWas) {
    Listener listener("listener", log);
    book.AttachMessage(&listener, kWindow, kCommand);
    const Props before = windows.props[kWindow];
    EXPECT_EQ(RaisedCode([&] { book.AttachMessage(&listener, kWindow, kCommand); }), kErrAlreadyHandled);
    EXPECT_EQ(windows.props[kWindow], before);

    EXPECT_EQ(RaisedCode([&] { book.AttachMessage(&listener, 0x999, kCommand); }), kErrInvalidWindow);
    EXPECT_EQ(RaisedCode([&] { book.AttachMessage(&listener, kForeignWindow, kCommand); }), kErrExternalWindow);
    EXPECT_EQ(RaisedCode([&] { book.AttachMessage(nullptr, kWindow, kPaint); }), kErrInvalidProcedureCall);
    EXPECT_TRUE(windows.props[kForeignWindow].empty());

    windows.refuseReplace = true;
    EXPECT_EQ(RaisedCode([&] { book.AttachMessage(&listener, kOtherWindow, kCommand); }), kErrCantSubclass);
    EXPECT_TRUE(windows.props[kOtherWindow].empty());
    windows.refuseReplace = false;
    EXPECT_EQ(RaisedCode([&] { book.AttachMessage(&listener, kOtherWindow, kCommand); }), 0);
}

TEST_F(SubclassBookTest, AFailedPropertyWriteUndoesTheAttachment) {
    Listener listener("listener", log), earlier("earlier", log);
    // Each of the four writes of a first attachment, and the three of a later one, fails in turn.
    for (const bool later : {false, true}) {
        for (int failing = 1; failing <= (later ? 3 : 4); ++failing) {
            SCOPED_TRACE(std::string(later ? "later" : "first") + " attachment, write " + std::to_string(failing));
            FakeWindows fresh;
            SubclassBook freshBook(fresh, kSharedProc, kSource);
            if (later) freshBook.AttachMessage(&earlier, kWindow, kPaint);
            const Props before = fresh.props[kWindow];
            const std::intptr_t procedure = fresh.procedures[kWindow];
            fresh.failFromWrite = fresh.writes + failing;
            EXPECT_EQ(RaisedCode([&] { freshBook.AttachMessage(&listener, kWindow, kCommand); }),
                      kErrInvalidProcedureCall);
            EXPECT_EQ(fresh.props[kWindow], before);
            EXPECT_EQ(fresh.procedures[kWindow], procedure);
        }
    }
}

TEST_F(SubclassBookTest, DetachingClosesTheGapAndTheLastPairRestoresTheWindow) {
    Listener a("a", log), b("b", log), c("c", log), stranger("stranger", log);
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

TEST_F(SubclassBookTest, TheNewestListenerHearsFirstAndTheFirstAttachedDecides) {
    Listener first("first", log, SubclassResponse::Consume, 11);
    Listener second("second", log, SubclassResponse::CallPreviousAfter, 22);
    book.AttachMessage(&first, kWindow, kCommand);
    book.AttachMessage(&second, kWindow, kCommand);
    EXPECT_EQ(book.Dispatch(kWindow, kCommand, 5, 6), 11);
    EXPECT_EQ(log, (std::vector<std::string>{"second", "first"}));

    log.clear();
    first.Response(SubclassResponse::CallPreviousAfter);
    second.Response(SubclassResponse::Consume);
    EXPECT_EQ(book.Dispatch(kWindow, kCommand, 5, 6), kPreviousResult);
    EXPECT_EQ(log, (std::vector<std::string>{"second", "first", Original(kCommand, 5)}));

    log.clear();
    first.Response(SubclassResponse::CallPreviousBefore);
    EXPECT_EQ(book.Dispatch(kWindow, kCommand, 5, 6), 11);
    EXPECT_EQ(log, (std::vector<std::string>{"second", Original(kCommand, 5), "first"}));
}

TEST_F(SubclassBookTest, CurrentMessageIsTheDispatchedOneEvenAfterANestedDispatch) {
    Listener outer("outer", log), inner("inner", log);
    book.AttachMessage(&outer, kWindow, kCommand);
    book.AttachMessage(&inner, kOtherWindow, kPaint);
    std::vector<std::uint32_t> seen;
    inner.onMessage = [&](WindowRef, std::uint32_t, std::uintptr_t, std::intptr_t) {
        seen.push_back(book.CurrentMessage());
    };
    outer.onMessage = [&](WindowRef, std::uint32_t, std::uintptr_t, std::intptr_t) {
        seen.push_back(book.CurrentMessage());
        book.Dispatch(kOtherWindow, kPaint, 0, 0);
        seen.push_back(book.CurrentMessage());
    };
    book.Dispatch(kWindow, kCommand, 0, 0);
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{kCommand, kPaint, kCommand}));
}

TEST_F(SubclassBookTest, ADestroyListenerMayDetachItselfWhileItIsCalled) {
    Listener keeper("keeper", log, SubclassResponse::CallPreviousAfter);
    Listener leaver("leaver", log, SubclassResponse::CallPreviousAfter);
    book.AttachMessage(&keeper, kWindow, kDestroy);
    book.AttachMessage(&leaver, kWindow, kDestroy);
    leaver.onMessage = [&](WindowRef hwnd, std::uint32_t message, std::uintptr_t, std::intptr_t) {
        book.DetachMessage(&leaver, hwnd, message);
    };
    EXPECT_EQ(book.Dispatch(kWindow, kDestroy, 0, 0), kPreviousResult);
    EXPECT_EQ(log, (std::vector<std::string>{"leaver", "keeper", Original(kDestroy)}));
    EXPECT_EQ(windows.props[kWindow]["65620#2C"], 1);
}

}  // namespace
}  // namespace snapwright
