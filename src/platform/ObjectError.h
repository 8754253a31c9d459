#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

namespace snapwright {

// The numbered errors of the subclassing and timer services.
inline constexpr int kErrInvalidProcedureCall = 5;
inline constexpr int kErrCantSubclass = 13081;
inline constexpr int kErrAlreadyHandled = 13082;
inline constexpr int kErrInvalidWindow = 13083;
inline constexpr int kErrExternalWindow = 13084;
inline constexpr int kErrTooManyTimers = 13651;
inline constexpr int kErrCantCreateTimer = 13652;

// A raised run-time error: codes above 1000 carry the object-error base, a source and a
// description; lower codes are raised bare.
class ObjectError : public std::runtime_error {
public:
    static constexpr std::uint32_t kObjectErrorBase = 0x80040000u;

    ObjectError(int code, const std::string& source);

    int Code() const { return m_code; }
    std::int32_t Number() const { return m_number; }
    const std::string& Source() const { return m_source; }
    const std::string& Description() const { return m_description; }

    // The description of a code, empty for codes raised bare or unknown.
    static std::string DescriptionFor(int code);

private:
    int m_code;
    std::int32_t m_number;
    std::string m_source;
    std::string m_description;
};

// The source of the services' errors for a program file: its name without folder and
// extension followed by ".WindowProc".
std::string WindowProcSource(const std::string& moduleFileName);

}  // namespace snapwright
