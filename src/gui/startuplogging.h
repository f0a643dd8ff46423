// Keeps Qt's and Chromium's informational start-up messages off the console.
// Run once in main, before the application object exists (Chromium reads
// its flags from the environment when WebEngine starts). With
// VARNESK_DEBUG_LOG set to anything non-empty it changes nothing, so their
// full logging shows.
#pragma once

namespace startuplogging {

void QuietUnlessAsked();

}  // namespace startuplogging
