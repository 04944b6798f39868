// Thread notifications are switched off once, on process attach; every notification is accepted.
#include <gtest/gtest.h>

#include "library/library_entry.h"

TEST(LibraryEntry, SwitchesThreadNotificationsOffOnProcessAttachOnly) {
  using universaltypes::detail::LoadingEvent;
  int switchedOff = 0;
  for (LoadingEvent event : {LoadingEvent::ProcessAttach, LoadingEvent::ThreadAttach,
                             LoadingEvent::ThreadDetach, LoadingEvent::ProcessDetach}) {
    EXPECT_TRUE(universaltypes::detail::OnLoadingNotification(event, [&] { ++switchedOff; }));
  }
  EXPECT_EQ(switchedOff, 1);
}
