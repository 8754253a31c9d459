#pragma once
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
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

// A call that the automation system or the other program refused; what() says why, in words
// for the user.
class AutomationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
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
