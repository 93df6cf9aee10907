#pragma once

#include "com/com_ptr.hpp"
#include "sim/vbide/app/addin_list.hpp"
#include "sim/vbide/app/extensibility.hpp"
#include "sim/vbide/app/ide_loop.hpp"
#include "sim/vbide/objects/addin_object.hpp"

#include <memory>
#include <string>
#include <vector>

namespace velmora::sim::vbide {

// The add-ins of the IDE, loaded as the IDE loads them: the class of the ProgID created in
// process, asked for IDTExtensibility (or else _IDTExtensibility2), connected with the VBE, its
// AddIn object and an empty custom array, disconnected and released at the end. Every step is
// logged; a failing step is logged with its HRESULT and the add-in's error description, and
// the IDE goes on. Calls into an add-in run as calls of the IDE's loop (see IdeLoop::Busy).
class AddinHost {
public:
  AddinHost(IdeLoop& loop, win32::ComPtr<IDispatch> vbe);
  ~AddinHost();
  AddinHost(const AddinHost&) = delete;
  AddinHost& operator=(const AddinHost&) = delete;

  // Creates and connects (start-up mode) the entries of the list that load at start-up, then
  // calls OnStartupComplete on each one connected. An entry whose object cannot be created is
  // left out from then on.
  void startUp(const std::vector<AddinListEntry>& list);
  // Connects the add-in (after start-up, as the Add-In Manager does), creating it anew when it
  // was released; an empty ProgID means every add-in loaded at start-up. False when one failed
  // or none was there to connect. Connected ones are left alone.
  bool connect(const std::string& progId);
  // Disconnects the add-in as the user does (closed by the user) and releases it; empty: all.
  bool disconnect(const std::string& progId);
  // The host shuts down: OnBeginShutdown for the designer's interface, then every connected
  // add-in is disconnected and released, and unused libraries are freed.
  void shutDown();

  int connectedCount() const;

private:
  struct Addin {
    std::string progId;
    CLSID clsid{};
    win32::ComPtr<Extensibility> extensibility;
    bool designer = false; // the object answered _IDTExtensibility2 only
    std::shared_ptr<AddInState> state;
    win32::ComPtr<IDispatch> object; // the AddIn object handed to it
  };

  bool create(Addin& addin);
  bool connectOne(Addin& addin, ConnectMode mode);
  bool disconnectOne(Addin& addin, RemoveMode mode);
  void release(Addin& addin);
  // Logs the outcome of a call into an add-in; true when it succeeded.
  bool report(const Addin& addin, const std::string& call, HRESULT result);

  IdeLoop& loop_;
  win32::ComPtr<IDispatch> vbe_;
  std::vector<Addin> addins_;
};

} // namespace velmora::sim::vbide
