#include "uri/byteencoding.h"

#include <gtest/gtest.h>

#include <latch>
#include <string>
#include <thread>
#include <vector>

#include "uri/utf8encoding.h"

namespace {

// Run alone (as CTest does), this is the process's first use.
TEST(TByteEncoding, ThreeThreadsFirstUsingUtf8GetOneObject) {
  std::latch Start(3);
  std::vector<const TByteEncoding*> Got(3);
  std::vector<std::thread> Threads;
  for (int I = 0; I < 3; ++I)
    Threads.emplace_back([&, I] {
      Start.arrive_and_wait();
      const TByteEncoding& Utf8 = TByteEncoding::UTF8();
      std::string Bytes;
      Utf8.Encode(u"\u00E9", Bytes);  // usable at once
      Got[I] = Bytes == "\xC3\xA9" ? &Utf8 : nullptr;
    });
  for (std::thread& Thread : Threads) Thread.join();
  ASSERT_NE(Got[0], nullptr);
  EXPECT_EQ(Got[0], Got[1]);
  EXPECT_EQ(Got[0], Got[2]);
  EXPECT_EQ(&TByteEncoding::UTF8(), Got[0]);
  EXPECT_NE(dynamic_cast<const TUtf8Encoding*>(Got[0]), nullptr);
}

}  // namespace
