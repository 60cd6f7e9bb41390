#include <gtest/gtest.h>

#include <string>

#include "elements/vehicle_name.h"
#include "elements/zone_name.h"
#include "runtime/host_interface.h"
#include "support/element_test.h"

namespace {

constexpr char16_t kDocks[] = u"Docks";
constexpr char16_t kCar[] = u"Quillback";

class Names : public ElementTest {
 protected:
  // Runs the vehicle machine `frames` times; returns the last opacity set.
  static long long Vehicle(int frames) {
    for (int k = 0; k < frames; ++k) DrawVehicleName(0);
    return Calls("HostText.SetColour").back().int_arg(3);
  }
};

TEST_F(Names, VehicleFadesInFor51FramesHoldsTenSecondsAndFadesOut) {
  HostVehicleName::Name() = kCar;
  EXPECT_EQ(Vehicle(1), 5);  // 20 thousandths of 255
  EXPECT_EQ(Vehicle(49), 255);
  EXPECT_EQ(HostVehicleName::State(), 2);
  Vehicle(1);  // the 51st frame takes the fade past 1000
  EXPECT_EQ(HostVehicleName::State(), 1);
  EXPECT_EQ(HostVehicleName::FadeTimer(), 1000);
  Vehicle(450);  // frame 501: a show time of 10000 is not past it
  EXPECT_EQ(HostVehicleName::State(), 1);
  Vehicle(1);
  EXPECT_EQ(HostVehicleName::State(), 3);
  EXPECT_EQ(Vehicle(1), 249);  // 980
  EXPECT_EQ(Vehicle(50), 0);
  EXPECT_EQ(HostVehicleName::State(), 0);
}

TEST_F(Names, NewZoneSendsTheVehicleOutAndASubtitleFreezesBoth) {
  HostVehicleName::Name() = kCar;
  HostZone::Name() = kDocks;
  DrawVehicleName(15);
  DrawZoneName(15);
  EXPECT_EQ(HostVehicleName::State(), 3);
  const auto prints = Calls("HostText.PrintVariant");
  EXPECT_EQ(prints.at(0).text(), "HostText.PrintVariant 1848 899.1964 \"Quillback\"");  // - sy(75)
  EXPECT_EQ(prints.at(1).text(), "HostText.PrintVariant 1848 947.4107 \"Docks\"");    // - sy(55)
  HostVehicleName::State() = 1;
  HostSubtitle::Text()[0] = u'x';
  ClearLog();
  DrawVehicleName(0);
  DrawZoneName(0);
  EXPECT_EQ(HostZone::ShowTimer(), 20);
  EXPECT_EQ(HostVehicleName::ShowTimer(), 20);
  EXPECT_EQ(Calls("HostText.PrintVariant").size(), 1u);  // the zone's only
}

TEST_F(Names, NewZoneNameWhileRunningFadesTheOldOutFirst) {
  for (int state : {1, 2, 3, 4}) {
    SCOPED_TRACE(state);
    HostZone::Name() = state % 2 ? kDocks : kCar;
    HostZone::State() = state;
    HostZone::FadeTimer() = 500;
    ClearLog();
    DrawZoneName(0);
    EXPECT_EQ(HostZone::State(), 4);
    EXPECT_EQ(HostZone::ShowTimer(), 25);  // 5, then one step
    EXPECT_EQ(HostZone::FadeTimer(), 480);
    EXPECT_EQ(Calls("HostText.PrintVariant").size(), 1u);  // the new text at once
  }
  HostZone::FadeTimer() = 10;
  DrawZoneName(0);
  EXPECT_EQ(HostZone::State(), 2);  // and it fades back in
}

TEST_F(Names, IdleZoneAlternatesAndAHiddenZoneKeepsRunning) {
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
  HostZone::LastName() = HostVehicleName::LastName() = HostVehicleName::NameToPrint() = kCar;
  DrawZoneName(0);
  DrawVehicleName(0);
  EXPECT_TRUE(Calls().empty());
  EXPECT_EQ(HostZone::State(), 2);
  EXPECT_EQ(HostZone::FadeTimer(), 300);
  EXPECT_EQ(HostZone::LastName(), kCar);
  EXPECT_EQ(HostVehicleName::State(), 0);
  EXPECT_EQ(HostVehicleName::FadeTimer(), 0);
  EXPECT_EQ(HostVehicleName::LastName(), nullptr);
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
  HostZone::Name() = HostZone::LastName() = HostVehicleName::Name() = kDocks;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.variant);
    HostMenu::TextVariant() = c.variant;
    HostZone::State() = HostVehicleName::State() = 1;
    HostVehicleName::LastName() = kDocks;
    ClearLog();
    DrawVehicleName(0);
    DrawZoneName(0);
    const auto scales = Calls("HostText.SetScale");
    EXPECT_FLOAT_EQ(scales.at(0).float_arg(0), c.vehicle_x);
    EXPECT_FLOAT_EQ(scales.at(1).float_arg(0), c.zone_x);
    EXPECT_FLOAT_EQ(scales.at(1).float_arg(1), c.zone_y);
  }
}

TEST_F(Names, NameIsReadOnlyWithinItsBound) {
  std::u16string long_name(79, u'N');
  HostZone::Name() = long_name.c_str();
  DrawZoneName(0);
  EXPECT_EQ(Calls("HostText.PrintVariant").at(0).text_arg(2), std::string(64, 'N'));
}

}  // namespace
