#include "installer/velsetup.hpp"

#include "installer/register_add_in.hpp"
#include "installer/velsetup_form.hpp"

namespace velmora {

void runVelsetup(FormsToolkit& toolkit, ProfileFiles& profile, const SetupPlaces& places) {
  const std::unique_ptr<Form> form = toolkit.load(velsetupFormSpec());
  Form& window = *form;
  window.button("OKButton").onClick([&] {
    RegisterAddIn(profile, places, toolkit);
    window.unload();
  });
  window.button("CancelButton").onClick([&] { window.unload(); });
  // The close box unloads the form by default, which ends the program like Cancel.
  window.showModal();
}

} // namespace velmora
