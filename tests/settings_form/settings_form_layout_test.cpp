#include "settings/settings_faces.hpp"
#include "settings/settings_form_layout.hpp"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace velmora {
namespace {

std::string nameOf(const ControlSpec& control) {
  return control.index < 0 ? control.name
                           : control.name + "(" + std::to_string(control.index) + ")";
}

const ControlSpec& find(const FormSpec& form, const std::string& name, int index = -1) {
  for (const auto& control : form.controls) {
    if (control.name == name && control.index == index) {
      return control;
    }
  }
  throw std::logic_error("no control " + name);
}

TEST(SettingsFormLayoutTest, WindowAndKeyboardOrder) {
  const FormSpec form = SettingsFormLayout();
  EXPECT_EQ(form.name, "frmVelmora");
  EXPECT_EQ(form.caption, u"ベルモラの設定");
  EXPECT_EQ(form.clientWidth, 7200);
  EXPECT_EQ(form.clientHeight, 6945);
  EXPECT_TRUE(form.fixedDialog && form.closeBox && form.centred);
  EXPECT_FALSE(form.showInTaskbar);
  ASSERT_TRUE(form.icon);
  EXPECT_EQ(form.icon->width, 32);
  EXPECT_EQ(form.icon->height, 32);

  std::map<int, std::string> byTab;
  std::vector<std::string> defaults;
  std::vector<std::string> cancels;
  for (const auto& control : form.controls) {
    if (control.tabIndex >= 0) {
      EXPECT_TRUE(byTab.emplace(control.tabIndex, nameOf(control)).second) << nameOf(control);
    }
    if (control.isDefault) {
      defaults.push_back(control.name);
    }
    if (control.isCancel) {
      cancels.push_back(control.name);
    }
  }
  std::vector<std::string> expected = {"txtSettouChar", "txtKata", "cmbAdd",    "cmbDel",
                                       "cmbUp",         "cmbDown", "ListView1", "cmbOk",
                                       "cmbCancel",     "chkNon"};
  for (int row = 0; row < 4; ++row) {
    for (const char* name : {"chkHot1", "chkHot2", "chkHot3", "chkHot4", "cboKey"}) {
      expected.push_back(std::string(name) + "(" + std::to_string(row) + ")");
    }
  }
  expected.insert(expected.end(), {"chkTenmetsu", "chkComment", "chkImeMode"});
  std::vector<std::string> order;
  order.reserve(byTab.size());
  for (const auto& [tab, name] : byTab) {
    order.push_back(name);
  }
  EXPECT_EQ(order, expected);
  EXPECT_EQ(byTab.rbegin()->first, static_cast<int>(expected.size()) - 1) << "no gaps";
  EXPECT_EQ(defaults, std::vector<std::string>{"cmbAdd"});
  EXPECT_EQ(cancels, std::vector<std::string>{"cmbCancel"});
}

TEST(SettingsFormLayoutTest, ControlsSitInsideTheirGroupBoxes) {
  const FormSpec form = SettingsFormLayout();
  std::map<std::string, TwipRect> frames;
  for (const auto& control : form.controls) {
    if (control.kind == ControlKind::Frame) {
      frames[control.name] = control.place;
    }
  }
  ASSERT_EQ(frames.size(), 3U);
  for (const auto& control : form.controls) {
    if (control.kind == ControlKind::Timer) {
      continue;
    }
    const TwipRect& place = control.place;
    const std::int32_t width =
        control.parent.empty() ? form.clientWidth : frames.at(control.parent).width;
    const std::int32_t height =
        control.parent.empty() ? form.clientHeight : frames.at(control.parent).height;
    EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.width > 0 && place.height > 0 &&
                place.left + place.width <= width && place.top + place.height <= height)
        << nameOf(control);
  }
  EXPECT_EQ(find(form, "txtSettouChar").parent, "Frame1");
  EXPECT_EQ(find(form, "chkNon").parent, "Frame1");
  EXPECT_EQ(find(form, "chkHot4", 3).parent, "Frame2");
  EXPECT_EQ(find(form, "picBas").parent, "Frame2");
  EXPECT_EQ(find(form, "chkImeMode").parent, "Frame3");
  EXPECT_TRUE(find(form, "cmbOk").parent.empty());
  // The three groups are stacked from top to bottom above the OK row.
  EXPECT_LT(frames["Frame1"].top + frames["Frame1"].height, frames["Frame2"].top);
  EXPECT_LT(frames["Frame2"].top + frames["Frame2"].height, frames["Frame3"].top);
  EXPECT_LT(frames["Frame3"].top + frames["Frame3"].height, find(form, "cmbOk").place.top);
}

TEST(SettingsFormLayoutTest, ControlProperties) {
  const FormSpec form = SettingsFormLayout();
  const ControlSpec& list = find(form, "ListView1");
  ASSERT_EQ(list.columns.size(), 2U);
  EXPECT_EQ(list.columns[0].key, "SettouChar");
  EXPECT_EQ(list.columns[0].header, u"接頭文字");
  EXPECT_EQ(list.columns[1].key, "Kata");
  EXPECT_EQ(list.columns[1].header, u"型");

  const ControlSpec& version = find(form, "lblVersion");
  ASSERT_TRUE(version.font);
  EXPECT_EQ(version.font->name, u"ＭＳ Ｐゴシック");
  EXPECT_DOUBLE_EQ(version.font->points, 11.25);
  EXPECT_TRUE(version.font->bold && version.font->italic);
  EXPECT_EQ(version.foreColour, 0x0000FFU);

  const ControlSpec& timer = find(form, "Timer1");
  EXPECT_EQ(timer.kind, ControlKind::Timer);
  EXPECT_FALSE(timer.enabled);
  EXPECT_EQ(timer.interval, 10);

  EXPECT_EQ(find(form, "txtSettouChar").imeMode, ImeMode::Off);
  EXPECT_EQ(find(form, "txtKata").imeMode, ImeMode::Off);
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ(find(form, "cboKey", row).comboStyle, ComboStyle::DropDownList);
  }
  EXPECT_FALSE(find(form, "picSettei").visible);
  EXPECT_EQ(find(form, "picDim").picture, ButtonFacePicture(ButtonFace::Dim));
}

TEST(SettingsFormLayoutTest, FacesAreBlackPixelTextOnButtonGrey) {
  const std::vector<ButtonFace> faces = {ButtonFace::Dim, ButtonFace::Private, ButtonFace::Public,
                                         ButtonFace::Bas, ButtonFace::Settei};
  for (std::size_t i = 0; i < faces.size(); ++i) {
    const Bitmap& face = ButtonFacePicture(faces[i]);
    ASSERT_EQ(face.width, 16);
    ASSERT_EQ(face.height, 16);
    ASSERT_EQ(face.pixels.size(), 256U);
    int upperInk = 0;
    int lowerInk = 0;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        const Colour16 pixel = face.at(x, y);
        EXPECT_TRUE(pixel == Colour16::Silver || pixel == Colour16::Black) << i;
        (y < 8 ? upperInk : lowerInk) += pixel == Colour16::Black ? 1 : 0;
      }
    }
    EXPECT_GT(upperInk + lowerInk, 20) << i;
    for (std::size_t j = 0; j < i; ++j) {
      EXPECT_NE(face, ButtonFacePicture(faces[j])) << i << " " << j;
    }
    if (faces[i] == ButtonFace::Private || faces[i] == ButtonFace::Public) {
      EXPECT_GT(upperInk, 10) << "two lines of letters";
      EXPECT_GT(lowerInk, 10);
    }
  }
  // The letters keep clear of the left and right edges of the face.
  for (const ButtonFace face : {ButtonFace::Dim, ButtonFace::Public, ButtonFace::Bas}) {
    for (int y = 0; y < 16; ++y) {
      EXPECT_EQ(ButtonFacePicture(face).at(0, y), Colour16::Silver);
      EXPECT_EQ(ButtonFacePicture(face).at(15, y), Colour16::Silver);
    }
  }
  const Bitmap& icon = VelmoraIcon();
  EXPECT_EQ(icon.pixels.size(), 32U * 32U);
}

} // namespace
} // namespace velmora
