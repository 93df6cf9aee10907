#include "addin/server_module.hpp"
#include "addin/session/connection_session.hpp"
#include "forms/handle_cast.hpp"
#include "host/click_sink.hpp"
#include "host/fake_dispatch.hpp"
#include "host/recording_slots.hpp"
#include "setup/message_box_watcher.hpp"
#include "support/error.hpp"

#include <cwchar>
#include <gtest/gtest.h>

// The add-in's session behind a connect object, over an IDE that is one object answering every
// member with itself: the command bars, the bar, its controls, the buttons, the events and each
// button's event source. It has no command bars yet, and no code window.
namespace velmora::test {
namespace {

using win32::ConnectionSession;
using win32::kCommandBarControlEventsIid;

class OneObjectIde final : public FakeEventSource {
public:
  OneObjectIde() : FakeEventSource(kCommandBarControlEventsIid) {
    answerAnyName([this](DISPPARAMS&, VARIANT* result, EXCEPINFO*) {
      if (result != nullptr) {
        *result = objectValue(static_cast<FakeDispatch*>(this));
      }
      return S_OK;
    });
    returns(L"Count", 1, longValue(0));
    on(L"ActiveCodePane", 2, [](DISPPARAMS&, VARIANT*, EXCEPINFO* error) {
      return raise(error, L"コード ウィンドウがありません。");
    });
  }

  int callsOf(const std::wstring& member) const {
    int count = 0;
    for (const CallSeen& call : calls) {
      count += call.member == member ? 1 : 0;
    }
    return count;
  }
};

// Whether Ctrl+Shift+D, the default Dim hotkey, is free for anyone to take.
bool dimHotKeyIsFree() {
  if (RegisterHotKey(nullptr, 0x5A5A, MOD_CONTROL | MOD_SHIFT, 'D') == FALSE) {
    return false;
  }
  UnregisterHotKey(nullptr, 0x5A5A);
  return true;
}

struct WindowCount {
  const wchar_t* prefix;
  int count = 0;
};

BOOL CALLBACK countWindow(HWND window, LPARAM found) {
  auto& windows = *win32::fromInteger<WindowCount*>(found);
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if (wcsncmp(name, windows.prefix, wcslen(windows.prefix)) == 0) {
    ++windows.count;
  }
  return TRUE;
}

// The top-level windows of this thread whose class begins with `prefix`.
int windowsOf(const wchar_t* prefix) {
  WindowCount windows{prefix};
  EnumThreadWindows(GetCurrentThreadId(), countWindow, reinterpret_cast<LPARAM>(&windows));
  return windows.count;
}

// The toolkit's form windows.
int formWindows() {
  return windowsOf(L"VelmoraForm") - windowsOf(L"VelmoraFormOwner");
}

// Every window of the library: its forms, the forms' owner.
int libraryWindows() {
  return windowsOf(L"VelmoraForm");
}

class Session : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    ASSERT_TRUE(dimHotKeyIsFree());
  }
  void TearDown() override { CoUninitialize(); }

  HRESULT clickDim() {
    VARIANT_BOOL handled = VARIANT_FALSE;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    return ide_.fire(&ide_, handled, cancel, nullptr, FakeEventSource::kFirstCookie);
  }

  testing::MessageBoxWatcher boxes_;
  OneObjectIde ide_;
  RecordingSlots slots_;
};

TEST_F(Session, ConnectsClicksAndDisconnects) {
  {
    ConnectionSession session(slots_);
    session.onConnection(&ide_);
    EXPECT_TRUE(boxes_.seen.empty());
    // One bar added and five buttons on it, each bound with its event object in its property.
    EXPECT_EQ(ide_.callsOf(L"Add"), 6);
    EXPECT_EQ(ide_.sinkCount(), 5U);
    ASSERT_EQ(slots_.held.size(), 5U);
    for (const auto& [button, events] : slots_.held) {
      EXPECT_EQ(events, static_cast<IDispatch*>(&ide_)) << button;
    }
    EXPECT_FALSE(dimHotKeyIsFree());

    // The Dim button's click runs the declaration command, which reports the host's error.
    EXPECT_EQ(clickDim(), S_OK);
    ASSERT_EQ(boxes_.seen.size(), 1U);
    EXPECT_EQ(boxes_.seen[0].text, L"処理に失敗しました(コード ウィンドウがありません。)");
    EXPECT_EQ(boxes_.seen[0].title, L"ベルモラ");

    session.onDisconnection();
    EXPECT_EQ(ide_.sinkCount(), 0U);
    EXPECT_TRUE(dimHotKeyIsFree());
    EXPECT_EQ(formWindows(), 0);
    // The properties keep their objects until the connect object goes.
    EXPECT_EQ(slots_.held.size(), 5U);
    EXPECT_EQ(slots_.held[0], static_cast<IDispatch*>(&ide_));
  }
  EXPECT_EQ(libraryWindows(), 0);
  EXPECT_TRUE(win32::server::canUnload());
}

TEST_F(Session, AConnectObjectReleasedWhileConnectedLeavesNothingBehind) {
  {
    ConnectionSession session(slots_);
    session.onConnection(&ide_);
    ASSERT_FALSE(dimHotKeyIsFree());
    ASSERT_GT(formWindows(), 0);
  }
  EXPECT_TRUE(dimHotKeyIsFree());
  EXPECT_EQ(libraryWindows(), 0);
  EXPECT_EQ(ide_.sinkCount(), 0U);
  EXPECT_TRUE(win32::server::canUnload());
  // The toolbar is kept by the host for the next run, as a kept bar is.
  EXPECT_EQ(ide_.callsOf(L"Delete"), 0);
  EXPECT_TRUE(boxes_.seen.empty());

  // A new connect object starts again from a fresh library state.
  ConnectionSession again(slots_);
  again.onConnection(&ide_);
  EXPECT_FALSE(dimHotKeyIsFree());
  again.onDisconnection();
  EXPECT_TRUE(dimHotKeyIsFree());
}

TEST_F(Session, AnObjectThatIsNoVbeIsReportedAndDisconnectionFails) {
  FakeDispatch stranger;
  for (IDispatch* vbInst : {static_cast<IDispatch*>(&stranger), static_cast<IDispatch*>(nullptr)}) {
    boxes_.seen.clear();
    ConnectionSession session(slots_);
    session.onConnection(vbInst);
    ASSERT_EQ(boxes_.seen.size(), 1U);
    EXPECT_EQ(boxes_.seen[0].text, L"型が一致しません。");
    EXPECT_EQ(boxes_.seen[0].title, L"Velmora");
    try {
      session.onDisconnection();
      FAIL() << "a connection that built nothing disconnected";
    } catch (const Error& error) {
      EXPECT_EQ(error.description(),
                u"オブジェクト変数または With ブロック変数が設定されていません。");
    }
  }
  EXPECT_TRUE(slots_.held.empty());
  EXPECT_TRUE(stranger.calls.empty());
}

} // namespace
} // namespace velmora::test
