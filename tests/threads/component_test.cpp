#include "threads/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records its name in Log when destroyed.
class TLoggedComponent : public TComponent {
 public:
  TLoggedComponent(TComponent* AOwner, std::string AName, std::vector<std::string>& ALog)
      : TComponent(AOwner), FName(std::move(AName)), FLog(ALog) {}
  ~TLoggedComponent() override { FLog.push_back(FName); }

 private:
  std::string FName;
  std::vector<std::string>& FLog;
};

TEST(Component, OwnerFreesOwnedComponentsLastCreatedFirst) {
  std::vector<std::string> Log;
  {
    TComponent Owner(nullptr);
    new TLoggedComponent(&Owner, "a", Log);
    auto* B = new TLoggedComponent(&Owner, "b", Log);
    new TLoggedComponent(B, "b.1", Log);
    new TLoggedComponent(&Owner, "c", Log);
    EXPECT_EQ(Owner.ComponentCount(), 3);
    EXPECT_EQ(Owner.Components(1), B);
    EXPECT_EQ(B->Owner(), &Owner);
    EXPECT_TRUE(Log.empty());
  }
  EXPECT_EQ(Log, (std::vector<std::string>{"c", "b", "b.1", "a"}));
}

TEST(Component, ComponentFreedByHandLeavesItsOwner) {
  std::vector<std::string> Log;
  TComponent Owner(nullptr);
  auto* A = new TLoggedComponent(&Owner, "a", Log);
  new TLoggedComponent(&Owner, "b", Log);
  delete A;
  ASSERT_EQ(Owner.ComponentCount(), 1);
  Owner.DestroyComponents();
  EXPECT_EQ(Owner.ComponentCount(), 0);
  EXPECT_EQ(Log, (std::vector<std::string>{"a", "b"}));
}

TEST(Component, NullOwnerAndIndexOutOfRange) {
  TComponent Lone(nullptr);
  EXPECT_EQ(Lone.Owner(), nullptr);
  EXPECT_EQ(Lone.Components(0), nullptr);   // empty list
  EXPECT_EQ(Lone.Components(-1), nullptr);  // negative index
}

}  // namespace
