#pragma once
#include <objbase.h>

#include "platform/Automation.h"
#include "platform/win32/ComPtr.h"
#include "platform/win32/ScopedCoInitialize.h"

namespace snapwright::win32 {

// Automation over COM: running objects from the running object table, new ones by their class,
// members by IDispatch. Used on the user-interface thread, whose COM apartment ComApartment makes.
class ComAutomation : public IAutomation {
public:
    AutomationObjectPtr Attach(const std::string& programmaticId) override;
    AutomationObjectPtr Create(const std::string& programmaticId) override;
};

// COM for the user-interface thread (apartment-threaded) for the program's run, with a message
// filter that retries calls that a busy program rejects for a while before giving up.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    ScopedCoInitialize m_com;
    ComPtr<IMessageFilter> m_previousFilter;
};

}  // namespace snapwright::win32
