#pragma once
// Recording automation and desktop windows for the host tests of sending, and a sender over them.
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "apps/OfficeSender.h"
#include "fakes/FakePorts.h"
#include "platform/Automation.h"
#include "platform/TopLevelWindows.h"

namespace snapwright::fakes {

// Every attach, create, get, put and call lands in one log, as "<object> <kind> <member>(<args>)".
// An object is named by its programmatic identifier, the members that led to it, or, for the
// second suite's factory, the service it was made for.
class RecordingAutomation : public IAutomation {
public:
    AutomationObjectPtr Attach(const std::string& id) override {
        log.push_back("attach " + id);
        if (!running.count(id)) throw AutomationError(AutomationFailure::Unreachable, id);
        return MakeObject(id);
    }
    AutomationObjectPtr Create(const std::string& id) override {
        log.push_back("create " + id);
        return MakeObject(id);
    }

    std::vector<std::string> log;
    std::set<std::string> running;       // ids with a running instance
    std::map<std::string, int> counts;   // object -> what its Count gives
    std::set<std::string> nothing;       // objects that a get gives as nothing
    std::string refused;                 // "<object> <member>" that throws

private:
    class RecordedObject;
    AutomationObjectPtr MakeObject(const std::string& path);
};

class RecordingAutomation::RecordedObject : public IAutomationObject {
public:
    RecordedObject(RecordingAutomation& owner, std::string path) : m_owner(owner), m_path(std::move(path)) {}
    const std::string& Path() const { return m_path; }

    AutomationValue Get(const std::string& member) override {
        Record("get", member, "");
        if (member == "Count") return std::int32_t{m_owner.counts[m_path]};
        const std::string path = m_path + "." + member;
        if (m_owner.nothing.count(path)) return std::monostate{};
        return m_owner.MakeObject(path);
    }
    void Put(const std::string& member, const AutomationValue& value) override {
        Record("put", member, Text(value));
    }
    AutomationValue Call(const std::string& member, const AutomationArguments& arguments) override {
        std::string text;
        for (const AutomationValue& argument : arguments) text += (text.empty() ? "" : ", ") + Text(argument);
        Record("call", member, text);
        if (member == "createinstance") return m_owner.MakeObject(std::get<std::string>(arguments.at(0)));
        return m_owner.MakeObject(m_path + "." + member);
    }

private:
    void Record(const char* kind, const std::string& member, const std::string& arguments) {
        m_owner.log.push_back(m_path + " " + kind + " " + member + "(" + arguments + ")");
        if (m_owner.refused == m_path + " " + member) throw AutomationError(AutomationFailure::Refused, member, "the call was refused");
    }
    static std::string Text(const AutomationValue& value) {
        if (const auto* number = std::get_if<std::int32_t>(&value)) return std::to_string(*number);
        if (const auto* text = std::get_if<std::string>(&value)) return "\"" + *text + "\"";
        if (const auto* truth = std::get_if<bool>(&value)) return *truth ? "true" : "false";
        if (const auto* object = std::get_if<AutomationObjectPtr>(&value)) {
            return "<" + static_cast<const RecordedObject&>(**object).Path() + ">";
        }
        if (const auto* array = std::get_if<EmptyArray>(&value)) return array->byReference ? "&[]" : "[]";
        return "nothing";
    }

    RecordingAutomation& m_owner;
    std::string m_path;
};

inline AutomationObjectPtr RecordingAutomation::MakeObject(const std::string& path) {
    return std::make_shared<RecordedObject>(*this, path);
}

// Top-level windows in z-order, with their style bits and captions; extended styles and showing
// are not kept.
class FakeTopLevelWindows : public ITopLevelWindows {
public:
    struct Window {
        std::uint32_t style;
        std::string caption;
    };

    WindowRef FirstAtLevel(WindowRef) const override { return windows.empty() ? 0 : 1; }
    WindowRef Next(WindowRef window) const override { return window < windows.size() ? window + 1 : 0; }
    std::uint32_t Style(WindowRef window) const override { return windows.at(window - 1).style; }
    std::string Caption(WindowRef window) const override { return windows.at(window - 1).caption; }
    std::uint32_t ExtendedStyle(WindowRef) const override { return 0; }
    void SetExtendedStyle(WindowRef, std::uint32_t) override {}
    void SetShown(WindowRef, bool) override {}
    void LockDesktopUpdates(bool) override {}

    // A visible window with a border and this caption.
    void Add(const std::string& caption, std::uint32_t style = kStyleVisible | kStyleBorder) {
        windows.push_back({style, caption});
    }

    std::vector<Window> windows;  // window n is windows[n - 1]
};

// A sender to the office programs over these fakes: the question before a start is logged as
// "ask <program>" and answered with `startAnswer`, a wait as "wait <milliseconds>".
struct FakeSending {
    FakeClipboard clipboard;
    RecordingAutomation automation;
    FakeTopLevelWindows windows;
    FakeUserMessages messages;
    bool startAnswer = true;
    std::function<int()> language = [] { return 0; };
    OfficeSender sender{{clipboard, automation, windows, messages,
                         [this](const std::string& name) {
                             automation.log.push_back("ask " + name);
                             return startAnswer;
                         },
                         [this](int ms) { automation.log.push_back("wait " + std::to_string(ms)); }, 0,
                         [this] { return language(); }}};
};

}  // namespace snapwright::fakes
