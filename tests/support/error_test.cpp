#include "support/error.hpp"

#include <gtest/gtest.h>
#include <new>
#include <stdexcept>
#include <string>

namespace velmora {
namespace {

// What a trap shows of the error it caught.
TEST(DescribeFailure, TheAddInsOwnTextVisualBasicsForMemoryElseWhatTheErrorSays) {
  EXPECT_EQ(describeFailure(HostError(u"オートメーション エラーです。")),
            u"オートメーション エラーです。");
  EXPECT_EQ(describeFailure(Error(u"型が一致しません。")), u"型が一致しません。");
  EXPECT_EQ(describeFailure(std::bad_alloc()), u"メモリが不足しています。");
  EXPECT_EQ(describeFailure(std::runtime_error("ファイル \xE2\x80\x94 busy")),
            u"ファイル \u2014 busy");
  EXPECT_EQ(describeFailure(std::runtime_error("")),
            u"アプリケーション定義またはオブジェクト定義のエラーです。");
}

} // namespace
} // namespace velmora
