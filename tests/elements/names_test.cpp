#include <gtest/gtest.h>

#include <string>

#include "elements/vehicle_name.h"
#include "elements/zone_name.h"
#include "runtime/host_interface.h"
#include "support/element_test.h"

namespace {

constexpr char16_t kDocks[] = u"Docks";
constexpr char16_t kMall[] = u"Mall";
constexpr char16_t kCar[] = u"Stinger";

class Names : public ElementTest {
 protected:
  // Runs the vehicle machine `frames` times; returns the last printed opacity.
  static long long Vehicle(int frames) {
    for (int k = 0; k < frames; ++k) DrawVehicleName(0);
    const auto colours = Calls("HostText.SetColour");
    return colours.empty() ? -1 : colours.back().int_arg(3);
  }
};

TEST_F(Names, VehicleFadesInFor51FramesHoldsTenSecondsAndFadesOut) {
  HostVehicleName::Name() = kCar;
  EXPECT_EQ(Vehicle(1), 5);  // 20 / 1000 of 255
  EXPECT_EQ(HostVehicleName::FadeTimer(), 20);
  Vehicle(49);
  EXPECT_EQ(HostVehicleName::State(), 2);
  EXPECT_EQ(Vehicle(1), 255);  // 51st frame: the fade passes 1000
  EXPECT_EQ(HostVehicleName::State(), 1);
  EXPECT_EQ(HostVehicleName::FadeTimer(), 1000);
  Vehicle(450);  // frame 501: the show time is 10000, not yet past it
  EXPECT_EQ(HostVehicleName::State(), 1);
  EXPECT_EQ(Vehicle(1), 255);  // frame 502: 10020 is past it
  EXPECT_EQ(HostVehicleName::State(), 3);
  EXPECT_EQ(Vehicle(1), 249);  // 980
  EXPECT_EQ(Vehicle(50), 0);
  EXPECT_EQ(HostVehicleName::State(), 0);
  ClearLog();
  Vehicle(1);
  EXPECT_TRUE(Calls().empty());
}

TEST_F(Names, PrintPositionsAndTheTransitionOffset) {
  HostVehicleName::Name() = kCar;
  HostZone::Name() = kDocks;
  DrawVehicleName(15);
  DrawZoneName(15);
  const auto prints = Calls("HostText.PrintVariant");
  ASSERT_EQ(prints.size(), 2u);
  EXPECT_EQ(prints[0].text(), "HostText.PrintVariant 1848 899.1964 \"Stinger\"");  // 1080 - sy(75)
  EXPECT_EQ(prints[1].text(), "HostText.PrintVariant 1848 947.4107 \"Docks\"");    // 1080 - sy(55)
  EXPECT_EQ(HostVehicleName::State(), 3);  // a new zone sends a fading-in vehicle name out
}

TEST_F(Names, SubtitleFreezesBothShowTimesAndHidesOnlyTheVehicle) {
  HostVehicleName::Name() = kCar;
  DrawVehicleName(0);
  HostZone::Name() = kDocks;
  HostVehicleName::State() = 1;
  DrawZoneName(0);  // the vehicle's state 1 becomes 3 here; put it back
  HostVehicleName::State() = 1;
  HostSubtitle::Text()[0] = u'x';
  ClearLog();
  const int zone_show = HostZone::ShowTimer(), vehicle_show = HostVehicleName::ShowTimer();
  DrawVehicleName(0);
  DrawZoneName(0);
  EXPECT_EQ(HostZone::ShowTimer(), zone_show);
  EXPECT_EQ(HostVehicleName::ShowTimer(), vehicle_show);
  const auto prints = Calls("HostText.PrintVariant");
  ASSERT_EQ(prints.size(), 1u);
  EXPECT_EQ(prints[0].text_arg(2), "Docks");
}

TEST_F(Names, NewZoneNameWhileRunningFadesTheOldOutFirst) {
  for (int state : {1, 2, 3, 4}) {
    SCOPED_TRACE(state);
    HostZone::Name() = kMall;
    HostZone::LastName() = kDocks;
    HostZone::State() = state;
    HostZone::FadeTimer() = 500;
    ClearLog();
    DrawZoneName(0);
    EXPECT_EQ(HostZone::State(), 4);
    EXPECT_EQ(HostZone::ShowTimer(), 25);  // set to 5, then one 20 ms step
    EXPECT_EQ(HostZone::FadeTimer(), 480);
    EXPECT_EQ(Calls("HostText.PrintVariant").at(0).text_arg(2), "Mall");  // printed at once
  }
  HostZone::FadeTimer() = 10;
  DrawZoneName(0);
  EXPECT_EQ(HostZone::State(), 2);  // and fades back in
  EXPECT_EQ(HostZone::FadeTimer(), 0);
}

TEST_F(Names, IdleZoneAlternatesAndHiddenZoneKeepsRunning) {
  HostZone::Name() = HostZone::LastName() = kDocks;
  DrawZoneName(0);
  EXPECT_EQ(HostZone::State(), 3);
  EXPECT_TRUE(Calls().empty());
  HostHud::HideZoneName() = 1;
  DrawZoneName(0);
  EXPECT_EQ(HostZone::State(), 0);
  EXPECT_EQ(Calls("HostText.SetColour").at(0).text(), "HostText.SetColour 152 154 82 0");
  EXPECT_TRUE(Calls("HostText.PrintVariant").empty());
}

TEST_F(Names, NullZoneIsIgnoredNullVehicleResets) {
  HostZone::State() = HostVehicleName::State() = 2;
  HostZone::FadeTimer() = HostVehicleName::FadeTimer() = 300;
  HostZone::ShowTimer() = HostVehicleName::ShowTimer() = 40;
  HostZone::LastName() = HostVehicleName::LastName() = HostVehicleName::NameToPrint() = kCar;
  DrawZoneName(0);
  DrawVehicleName(0);
  EXPECT_TRUE(Calls().empty());
  EXPECT_EQ(HostZone::State(), 2);
  EXPECT_EQ(HostZone::FadeTimer(), 300);
  EXPECT_EQ(HostZone::ShowTimer(), 40);
  EXPECT_EQ(HostZone::LastName(), kCar);
  EXPECT_EQ(HostVehicleName::LastName(), nullptr);
  EXPECT_EQ(HostVehicleName::State() | HostVehicleName::FadeTimer() | HostVehicleName::ShowTimer(),
            0);
  EXPECT_EQ(HostVehicleName::NameToPrint(), kCar);
}

TEST_F(Names, TextVariantScales) {
  struct Case {
    int variant;
    float zone_x, zone_y, vehicle_x;
  };
  const Case cases[] = {{0, 1.0125f, 2.4107144f, 1.0125f},    // BIGTEXT_SCALE 0.45 1.0
                        {3, 1.0125f, 2.4107144f, 0.860625f},  // 0.85 x 0.45 for the vehicle
                        {4, 3.06f, 4.3392859f, 0.860625f}};   // 1.36 1.8 for the zone
  for (const Case& c : cases) {
    SCOPED_TRACE(c.variant);
    HostMenu::TextVariant() = c.variant;
    HostZone::Name() = HostZone::LastName() = kDocks;
    HostVehicleName::Name() = HostVehicleName::LastName() = kDocks;
    HostZone::State() = HostVehicleName::State() = 1;
    ClearLog();
    DrawVehicleName(0);
    DrawZoneName(0);
    const auto scales = Calls("HostText.SetScale");
    ASSERT_EQ(scales.size(), 2u);
    EXPECT_FLOAT_EQ(scales[0].float_arg(0), c.vehicle_x);
    EXPECT_FLOAT_EQ(scales[0].float_arg(1), 2.4107144f);
    EXPECT_FLOAT_EQ(scales[1].float_arg(0), c.zone_x);
    EXPECT_FLOAT_EQ(scales[1].float_arg(1), c.zone_y);
  }
}

TEST_F(Names, NameIsReadOnlyWithinItsBound) {
  char16_t long_name[80];
  for (char16_t& c : long_name) c = u'N';
  long_name[79] = 0;
  HostZone::Name() = long_name;
  DrawZoneName(0);
  EXPECT_EQ(Calls("HostText.PrintVariant").at(0).text_arg(2), std::string(64, 'N'));
}

}  // namespace
