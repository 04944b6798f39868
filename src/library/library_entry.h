// What the library does when the platform notifies it of loading events.
// It keeps no per-thread state, so on process attach it asks the platform
// to stop sending thread attach and detach notifications, and it accepts
// every notification. Its process-wide values need no code at load: they
// are constant-initialised data.
#ifndef UNIVERSALTYPES_SRC_LIBRARY_LIBRARY_ENTRY_H
#define UNIVERSALTYPES_SRC_LIBRARY_LIBRARY_ENTRY_H

namespace universaltypes::detail {

enum class LoadingEvent { ProcessAttach, ThreadAttach, ThreadDetach, ProcessDetach };

// stopThreadNotifications is the platform's way of switching them off (the
// DLL entry passes DisableThreadLibraryCalls); the result is the success
// the entry reports.
template <typename StopThreadNotifications>
bool OnLoadingNotification(LoadingEvent event, StopThreadNotifications&& stopThreadNotifications) {
  if (event == LoadingEvent::ProcessAttach) stopThreadNotifications();
  return true;
}

}  // namespace universaltypes::detail

#endif
