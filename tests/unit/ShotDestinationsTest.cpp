#include "capture/ShotDestinations.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "fakes/FakePorts.h"

namespace snapwright {
namespace {

// The e2e tests send to Word, Excel and Writer, through the ask dialog and to the editor; these
// are the other routes, and a send that fails, which is skipped.
TEST(ShotDestinations, SendGoesWhereTheSendTargetAndTheSuiteSay) {
    Settings settings;
    std::vector<std::string> sent;
    ShotDestinations destinations(settings, {.sendTo = [&](OfficeProgram program, PicturePtr shot) {
                                                 sent.push_back(DisplayName(program) + " " +
                                                                std::to_string(fakes::SerialOf(shot)));
                                                 if (program == OfficeProgram::Calc) throw std::runtime_error("refused");
                                                 return true;
                                             }});
    const PicturePtr shot = std::make_shared<fakes::FakePicture>(8, 8, 3);
    for (const auto& [target, suite] : {std::pair{SendTarget::Presentation, OfficeSuite::Microsoft},
                                        {SendTarget::Spreadsheet, OfficeSuite::OpenOffice},
                                        {SendTarget::Presentation, OfficeSuite::OpenOffice},
                                        {SendTarget::AskAtSend, OfficeSuite::Microsoft}, {SendTarget::Nowhere, OfficeSuite::Microsoft}}) {
        settings.SendTo = target;
        settings.Office = suite;
        destinations.Deliver(Destination::Send, shot);
    }
    EXPECT_EQ(sent, (std::vector<std::string>{"Microsoft Powerpoint 3", "Calc 3", "Impress 3"}))
        << "no ask dialog is wired: nothing";
}

}  // namespace
}  // namespace snapwright
