#include "ui/ObjectError.h"

#include <gtest/gtest.h>

namespace snapwright {
namespace {

TEST(ObjectError, NumberedErrorsCarryTheObjectErrorBaseSourceAndDescription) {
    const ObjectError error(kErrAlreadyHandled, "snapwright.WindowProc");
    EXPECT_EQ(error.Code(), 13082);
    EXPECT_EQ(error.Number(), -2147208422) << "0x80040000 + 13082 read as a signed 32-bit value";
    EXPECT_EQ(error.Source(), "snapwright.WindowProc");
    EXPECT_NE(std::string(error.what()).find("Message already handled by another class"), std::string::npos);
}

TEST(ObjectError, RunTimeCodesAreRaisedBare) {
    const ObjectError error(kErrInvalidProcedureCall, "snapwright.WindowProc");
    EXPECT_EQ(error.Number(), 5);
    EXPECT_EQ(error.Source(), "");
    EXPECT_EQ(error.Description(), "");
    EXPECT_EQ(ObjectError(1000, "s").Number(), 1000) << "the highest code raised bare";
    EXPECT_EQ(ObjectError(1001, "s").Number(), static_cast<std::int32_t>(0x80040000u + 1001u));
}

TEST(ObjectError, SourceIsTheProgramFileNameWithoutExtension) {
    EXPECT_EQ(WindowProcSource("C:\\Program Files\\Snapwright\\snapwright.exe"), "snapwright.WindowProc");
    EXPECT_EQ(WindowProcSource("Z:/work/build/tests/snapwright_win_tests.exe"), "snapwright_win_tests.WindowProc");
    EXPECT_EQ(WindowProcSource("C:\\tools\\snap.wright.exe"), "snap.wright.WindowProc") << "only the last extension";
    EXPECT_EQ(WindowProcSource("C:\\v1.2\\snapwright"), "snapwright.WindowProc") << "a dot in a folder is no extension";
}

}  // namespace
}  // namespace snapwright
