// The engines' messages as the window and quelmar-cli show them: a silent receiver gets
// the hint what to check below the message, every other message stays as it is.
#include <gtest/gtest.h>

#include "link/LinkAdvice.h"
#include "link/LinkTexts.h"

TEST(LinkAdvice, OnlyNoResponseGetsTheHintBelowItsUnchangedText) {
  const std::string noResponse = linkadvice::WithAdvice(LinkTexts::kNoResponse);
  EXPECT_EQ(noResponse, "IRD No response: Retry download.\n"
                        "Check that the cable to the receiver is plugged in at both ends, that the port chosen is "
                        "the one the cable is on, and that the receiver waits in its download mode.");
  for (const char* unchanged : {LinkTexts::kDownloadOk, LinkTexts::kDownloadFail, LinkTexts::kNowTransfering,
                                LinkTexts::kMallocError, LinkTexts::kNoData, "COM1 Open Error!", ""})
    EXPECT_EQ(linkadvice::WithAdvice(unchanged), unchanged);
}
