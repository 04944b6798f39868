// The loading entry routine. On Windows it is the DLL entry point; ELF
// platforms need none, since nothing is built by code at load.
#include "library/library_entry.h"

#if defined(_WIN32)
#include <windows.h>

namespace {

universaltypes::detail::LoadingEvent EventOf(DWORD reason) {
  using universaltypes::detail::LoadingEvent;
  switch (reason) {
    case DLL_PROCESS_ATTACH: return LoadingEvent::ProcessAttach;
    case DLL_THREAD_ATTACH: return LoadingEvent::ThreadAttach;
    case DLL_THREAD_DETACH: return LoadingEvent::ThreadDetach;
    default: return LoadingEvent::ProcessDetach;
  }
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  return universaltypes::detail::OnLoadingNotification(
             EventOf(reason), [instance] { DisableThreadLibraryCalls(instance); })
             ? TRUE
             : FALSE;
}
#endif
