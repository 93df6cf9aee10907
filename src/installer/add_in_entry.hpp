#pragma once

namespace velmora {

// The add-in's entry in the IDE's add-in list: the IDE loads the connect class named by the
// key when the value says so.
inline constexpr char16_t kAddInListFile[] = u"VBADDIN.INI";
inline constexpr char16_t kAddInListSection[] = u"Add-Ins32";
inline constexpr char16_t kAddInProgId[] = u"Velmora.VelmoraClass";
inline constexpr char16_t kAddInLoadValue[] = u"3";

} // namespace velmora
