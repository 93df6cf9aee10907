#include "settings/settings_faces.hpp"
#include "settings/settings_form_layout.hpp"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace velmora {
namespace {

const ControlSpec& find(const FormSpec& form, const std::string& name, int index = -1) {
  for (const auto& control : form.controls) {
    if (control.name == name && control.index == index) {
      return control;
    }
  }
  throw std::logic_error("no control " + name);
}

TEST(SettingsFormLayoutTest, ControlsSitInsideTheirGroupBoxesStackedAboveTheOkRow) {
  const FormSpec form = SettingsFormLayout();
  std::map<std::string, TwipRect> frames;
  for (const auto& control : form.controls) {
    if (control.kind == ControlKind::Frame) {
      frames[control.name] = control.place;
    }
  }
  ASSERT_EQ(frames.size(), 3U);
  for (const auto& control : form.controls) {
    const TwipRect in = control.parent.empty() ? TwipRect{0, 0, form.clientWidth, form.clientHeight}
                                               : frames.at(control.parent);
    const TwipRect& place = control.place;
    EXPECT_TRUE(control.kind == ControlKind::Timer ||
                (place.left >= 0 && place.top >= 0 && place.width > 0 && place.height > 0 &&
                 place.left + place.width <= in.width && place.top + place.height <= in.height))
        << control.name << control.index;
  }
  EXPECT_EQ(find(form, "chkNon").parent, "Frame1");
  EXPECT_EQ(find(form, "chkHot4", 3).parent, "Frame2");
  EXPECT_EQ(find(form, "chkImeMode").parent, "Frame3");
  EXPECT_LT(frames["Frame1"].top + frames["Frame1"].height, frames["Frame2"].top);
  EXPECT_LT(frames["Frame2"].top + frames["Frame2"].height, frames["Frame3"].top);
  EXPECT_LT(frames["Frame3"].top + frames["Frame3"].height, find(form, "cmbOk").place.top);
}

TEST(SettingsFormLayoutTest, ControlPropertiesAndTheFacesOfTheButtons) {
  const FormSpec form = SettingsFormLayout();
  const ControlSpec& version = find(form, "lblVersion");
  ASSERT_TRUE(version.font);
  EXPECT_EQ(version.font->name, u"ＭＳ Ｐゴシック");
  EXPECT_DOUBLE_EQ(version.font->points, 11.25);
  EXPECT_TRUE(version.font->bold && version.font->italic);
  EXPECT_EQ(version.foreColour, 0x0000FFU);
  EXPECT_FALSE(find(form, "Timer1").enabled);
  EXPECT_EQ(find(form, "Timer1").interval, 10);
  EXPECT_EQ(find(form, "txtSettouChar").imeMode, ImeMode::Off);
  EXPECT_EQ(find(form, "txtKata").imeMode, ImeMode::Off);
  EXPECT_FALSE(find(form, "picSettei").visible);
  EXPECT_EQ(find(form, "picDim").picture, ButtonFacePicture(ButtonFace::Dim));

  // Black letters on button grey, each face its own.
  const ButtonFace faces[] = {ButtonFace::Dim, ButtonFace::Private, ButtonFace::Public,
                              ButtonFace::Bas, ButtonFace::Settei};
  for (std::size_t i = 0; i < 5; ++i) {
    const Bitmap& face = ButtonFacePicture(faces[i]);
    ASSERT_EQ(face.pixels.size(), 256U);
    int ink = 0;
    for (const Colour16 pixel : face.pixels) {
      EXPECT_TRUE(pixel == Colour16::Silver || pixel == Colour16::Black) << i;
      ink += pixel == Colour16::Black ? 1 : 0;
    }
    EXPECT_GT(ink, 20) << i;
    for (std::size_t j = 0; j < i; ++j) {
      EXPECT_NE(face, ButtonFacePicture(faces[j])) << i << " " << j;
    }
  }
}

} // namespace
} // namespace velmora
