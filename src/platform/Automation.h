#pragma once
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace snapwright {

class IAutomationObject;
using AutomationObjectPtr = std::shared_ptr<IAutomationObject>;

// An empty array argument; some members want it passed by reference.
struct EmptyArray {
    bool byReference = false;
    friend bool operator==(const EmptyArray&, const EmptyArray&) = default;
};

// An argument or result of a late-bound call. Nothing (monostate) is an empty result, or an
// object reference that refers to no object.
using AutomationValue = std::variant<std::monostate, std::int32_t, std::string, bool, AutomationObjectPtr, EmptyArray>;
using AutomationArguments = std::vector<AutomationValue>;

// Why a call of another program failed, so that the user can be told in his language.
enum class AutomationFailure {
    NotInstalled,   // neither the program nor its class `member` is registered
    Unreachable,    // its running instance could not be reached
    NotStarted,     // it could not be started
    UnknownMember,  // it does not know `member`
    Busy,           // it does not answer, busy with something else
    Closed,         // it was closed or stopped answering
    Refused,        // it refused `member`, for the reason in `detail` (the system's or its own words)
    NoMemory,       // there was not enough memory for the call
    NoObject,       // `member` gave no object where one was needed
    NotScriptable,  // its class `member` cannot be called by name
};

// A call that the automation system or the other program refused: why, and what it concerned;
// what() tells the same for the debugger.
class AutomationError : public std::runtime_error {
public:
    explicit AutomationError(AutomationFailure failure, std::string member = {}, std::string detail = {})
        : std::runtime_error("automation failure " + std::to_string(static_cast<int>(failure)) + " at \"" + member +
                             "\" " + detail),
          m_failure(failure),
          m_member(std::move(member)),
          m_detail(std::move(detail)) {}

    AutomationFailure Failure() const { return m_failure; }
    const std::string& Member() const { return m_member; }
    const std::string& Detail() const { return m_detail; }

private:
    AutomationFailure m_failure;
    std::string m_member;
    std::string m_detail;
};

// An object of another program, reached by late binding: members are found by name when they
// are used. The reference is released when the last pointer to it goes.
class IAutomationObject {
public:
    virtual ~IAutomationObject() = default;
    virtual AutomationValue Get(const std::string& member) = 0;
    virtual void Put(const std::string& member, const AutomationValue& value) = 0;
    virtual AutomationValue Call(const std::string& member, const AutomationArguments& arguments = {}) = 0;
};

// Objects of other programs by their programmatic identifier ("Word.Application").
class IAutomation {
public:
    virtual ~IAutomation() = default;
    // The running instance; throws AutomationError when there is none.
    virtual AutomationObjectPtr Attach(const std::string& programmaticId) = 0;
    // A new instance; throws AutomationError when it cannot be made.
    virtual AutomationObjectPtr Create(const std::string& programmaticId) = 0;
};

// The object in a result, or null when the result holds none.
inline AutomationObjectPtr ObjectOf(const AutomationValue& value) {
    const auto* object = std::get_if<AutomationObjectPtr>(&value);
    return object ? *object : nullptr;
}

}  // namespace snapwright
