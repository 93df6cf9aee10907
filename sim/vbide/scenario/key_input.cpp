#include "sim/vbide/scenario/key_input.hpp"

#include <vector>

namespace velmora::sim::vbide {

static_assert(vk::kBack == VK_BACK && vk::kTab == VK_TAB && vk::kReturn == VK_RETURN &&
              vk::kShift == VK_SHIFT && vk::kControl == VK_CONTROL && vk::kMenu == VK_MENU &&
              vk::kEscape == VK_ESCAPE && vk::kSpace == VK_SPACE && vk::kPrior == VK_PRIOR &&
              vk::kNext == VK_NEXT && vk::kEnd == VK_END && vk::kHome == VK_HOME &&
              vk::kLeft == VK_LEFT && vk::kUp == VK_UP && vk::kRight == VK_RIGHT &&
              vk::kDown == VK_DOWN && vk::kInsert == VK_INSERT && vk::kDelete == VK_DELETE &&
              vk::kLWin == VK_LWIN && vk::kF1 == VK_F1);

namespace {

INPUT keyInput(WORD key, bool release, ULONG_PTR marker) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  input.ki.dwExtraInfo = marker;
  return input;
}

} // namespace

bool sendChord(const KeyChord& chord, ULONG_PTR marker) {
  std::vector<INPUT> inputs;
  for (const WORD modifier : chord.modifiers) {
    inputs.push_back(keyInput(modifier, false, marker));
  }
  inputs.push_back(keyInput(chord.key, false, marker));
  inputs.push_back(keyInput(chord.key, true, marker));
  for (auto it = chord.modifiers.rbegin(); it != chord.modifiers.rend(); ++it) {
    inputs.push_back(keyInput(*it, true, marker));
  }
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  return sent == inputs.size();
}

} // namespace velmora::sim::vbide
