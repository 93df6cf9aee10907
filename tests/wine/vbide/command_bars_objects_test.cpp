#include "automation_client.hpp"
#include "sim/ide/memory_vbe.hpp"
#include "sim/vbide/objects/office_messages.hpp"
#include "sim/vbide/objects/vbe_object.hpp"

#include <gtest/gtest.h>
#include <memory>

// The Office command bars of the simulated IDE, called by name as an add-in builds its toolbar.
namespace velmora::test {
namespace {

using win32::ComPtr;

const wchar_t* wide(const char16_t* text) {
  return reinterpret_cast<const wchar_t*>(text);
}

class CommandBarObjects : public ::testing::Test {
protected:
  void SetUp() override {
    world_->vbe = std::make_shared<sim::MemoryVbe>();
    world_->bars->addBuiltInBars();
    auto ide = sim::vbide::makeVbeObject(world_);
    bars_ = child(ide.get(), L"CommandBars");
  }

  ComPtr<IDispatch> addToolbar(const wchar_t* name) {
    return child(bars_.get(), L"Add", {Value(name), Value(1L), Value::missing(), Value::missing()});
  }
  ComPtr<IDispatch> addButton(IDispatch* bar) {
    return child(child(bar, L"Controls").get(), L"Add", {Value(1L)});
  }
  // Fails unless `outcome` is Office's error with that HRESULT and description.
  static void expectOfficeError(const Outcome& outcome, HRESULT scode, const wchar_t* text) {
    EXPECT_EQ(outcome.result, DISP_E_EXCEPTION);
    EXPECT_EQ(outcome.scode, scode);
    EXPECT_EQ(outcome.source, L"Office");
    EXPECT_EQ(outcome.description, text);
  }

  std::shared_ptr<sim::vbide::VbeWorld> world_ = std::make_shared<sim::vbide::VbeWorld>(
      sim::vbide::VbeWorld{nullptr, std::make_shared<sim::vbide::CommandBarsModel>()});
  ComPtr<IDispatch> bars_;
};

TEST_F(CommandBarObjects, BuiltInBarsAreFoundByLocalOrEnglishName) {
  const long builtIn = get(bars_.get(), L"Count").number();
  EXPECT_GE(builtIn, 4);
  EXPECT_EQ(get(child(bars_.get(), L"Item", {1L}).get(), L"NameLocal").text(), L"メニュー バー");
  EXPECT_EQ(get(child(bars_.get(), L"Item", {L"標準"}).get(), L"Name").text(), L"Standard");
  EXPECT_EQ(get(child(bars_.get(), L"Item", {L"Standard"}).get(), L"NameLocal").text(), L"標準");
  EXPECT_EQ(invoke(child(bars_.get(), L"Item", {L"標準"}).get(), L"Delete", DISPATCH_METHOD).scode,
            static_cast<HRESULT>(0x800A0005));

  expectOfficeError(invoke(bars_.get(), L"Item", DISPATCH_PROPERTYGET, {L"ベルモラ"}),
                    static_cast<HRESULT>(0x800A0005),
                    L"プロシージャの呼び出し、または引数が不正です。");
  expectOfficeError(invoke(bars_.get(), L"Item", DISPATCH_PROPERTYGET, {Value(builtIn + 1)}),
                    static_cast<HRESULT>(0x800A0009), L"インデックスが有効範囲にありません。");
}

TEST_F(CommandBarObjects, AddedToolbarWithOmittedArgumentsAndItsButtons) {
  const long before = get(bars_.get(), L"Count").number();
  auto bar = addToolbar(L"ベルモラ");
  EXPECT_EQ(get(bars_.get(), L"Count").number(), before + 1);
  EXPECT_EQ(get(bar.get(), L"NameLocal").text(), L"ベルモラ");
  EXPECT_EQ(get(bar.get(), L"Visible").number(), 0);
  put(bar.get(), L"Visible", Value::raw(VARIANT{}));
  put(child(bars_.get(), L"Item", {L"ベルモラ"}).get(), L"Visible", Value(-1L));
  EXPECT_EQ(get(bar.get(), L"Visible").type(), VT_BOOL);
  EXPECT_NE(get(bar.get(), L"Visible").number(), 0);

  // A second bar of that name is refused; one without a name gets one.
  expectOfficeError(invoke(bars_.get(), L"Add", DISPATCH_METHOD, {L"ベルモラ"}),
                    static_cast<HRESULT>(0x800A0005), wide(sim::vbide::kBarNameTaken));
  auto unnamed = child(bars_.get(), L"Add");
  EXPECT_EQ(get(unnamed.get(), L"Name").text(), L"ユーザー設定 1");

  auto first = addButton(bar.get());
  auto second = addButton(bar.get());
  put(first.get(), L"Caption", L"Dim宣言");
  put(second.get(), L"Caption", L"設定");
  put(second.get(), L"BeginGroup", Value(-1L));
  put(first.get(), L"TooltipText", L"Dim宣言(Ctrl+Shift+D)");
  auto controls = child(bar.get(), L"Controls");
  EXPECT_EQ(get(controls.get(), L"Count").number(), 2);
  EXPECT_EQ(get(child(controls.get(), L"Item", {2L}).get(), L"Caption").text(), L"設定");
  EXPECT_EQ(get(child(controls.get(), L"Item", {L"Dim宣言"}).get(), L"TooltipText").text(),
            L"Dim宣言(Ctrl+Shift+D)");
  EXPECT_NE(get(second.get(), L"BeginGroup").number(), 0);
  EXPECT_EQ(get(first.get(), L"Type").number(), 1);
  EXPECT_EQ(get(second.get(), L"Index").number(), 2);

  // Before puts a control in front; an unknown control type is refused.
  auto inFront = child(controls.get(), L"Add",
                       {Value(1L), Value::missing(), Value::missing(), Value(1L), Value(-1L)});
  EXPECT_EQ(get(first.get(), L"Index").number(), 2);
  expectOfficeError(invoke(controls.get(), L"Add", DISPATCH_METHOD, {99L}),
                    static_cast<HRESULT>(0x800A0005),
                    L"プロシージャの呼び出し、または引数が不正です。");
}

TEST_F(CommandBarObjects, DeletedControlsAndBarsRefuseEveryCall) {
  auto bar = addToolbar(L"ベルモラ");
  auto dim = addButton(bar.get());
  auto settings = addButton(bar.get());
  run(dim.get(), L"Delete");
  EXPECT_EQ(get(child(bar.get(), L"Controls").get(), L"Count").number(), 1);
  expectOfficeError(invoke(dim.get(), L"Caption", DISPATCH_PROPERTYPUT, {L"x"}), E_FAIL,
                    wide(sim::vbide::kObjectDeleted));
  expectOfficeError(invoke(dim.get(), L"Delete", DISPATCH_METHOD), E_FAIL,
                    wide(sim::vbide::kObjectDeleted));

  // Deleting the bar takes its remaining controls with it.
  run(bar.get(), L"Delete");
  expectOfficeError(invoke(settings.get(), L"Caption", DISPATCH_PROPERTYGET), E_FAIL,
                    wide(sim::vbide::kObjectDeleted));
  expectOfficeError(invoke(bar.get(), L"Controls", DISPATCH_PROPERTYGET), E_FAIL,
                    wide(sim::vbide::kObjectDeleted));
  EXPECT_EQ(invoke(bars_.get(), L"Item", DISPATCH_PROPERTYGET, {L"ベルモラ"}).result,
            DISP_E_EXCEPTION);
  // Its name is free again.
  addToolbar(L"ベルモラ");
}

TEST_F(CommandBarObjects, PasteFaceTakesTheClipboardsBitmap) {
  auto button = addButton(addToolbar(L"ベルモラ").get());

  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  expectOfficeError(invoke(button.get(), L"PasteFace", DISPATCH_METHOD), E_FAIL,
                    wide(sim::vbide::kPasteFaceFailed));

  // A 16 x 16 face, red with a black top left pixel.
  HDC screen = GetDC(nullptr);
  HBITMAP face = CreateCompatibleBitmap(screen, 16, 16);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, face);
  RECT all{0, 0, 16, 16};
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  FillRect(dc, &all, red);
  SetPixel(dc, 0, 0, RGB(0, 0, 0));
  SelectObject(dc, old);
  DeleteObject(red);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  ASSERT_NE(SetClipboardData(CF_BITMAP, face), nullptr);
  CloseClipboard();

  run(button.get(), L"PasteFace");
  const auto& pasted = world_->bars->find(u"ベルモラ")->controls.at(0)->face;
  ASSERT_NE(pasted, nullptr);
  EXPECT_EQ(pasted->width(), 16);
  EXPECT_EQ(pasted->pixel(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(pasted->pixel(15, 15), RGB(255, 0, 0));
  put(button.get(), L"Style", Value(3L));
  EXPECT_EQ(get(button.get(), L"Style").number(), 3);
  EXPECT_EQ(get(button.get(), L"FaceId").number(), 0);
  EXPECT_EQ(invoke(button.get(), L"Style", DISPATCH_PROPERTYPUT, {9L}).scode,
            static_cast<HRESULT>(0x800A0005));
}

} // namespace
} // namespace velmora::test
