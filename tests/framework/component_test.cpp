// Ownership (order of the owned list, destruction order, leaving the owner), kind tests, and a
// parent freeing its child controls.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/component.h"
#include "framework/control.h"
#include "framework/custom_edit.h"
#include "framework/spin_button.h"

namespace {

using fw::TComponent;

// Writes its name into a shared log when destroyed.
class Tracked : public TComponent {
 public:
  Tracked(TComponent* owner, std::string name, std::vector<std::string>& log)
      : TComponent(owner), log_(log) {
    SetName(std::move(name));
  }
  ~Tracked() override { log_.push_back(Name()); }

 private:
  std::vector<std::string>& log_;
};

TEST(Ownership, OwnedComponentsAreListedInOrderOfAddition) {
  std::vector<std::string> log;
  TComponent owner(nullptr);
  auto* a = new Tracked(&owner, "a", log);
  auto* b = new Tracked(&owner, "b", log);
  auto* c = new Tracked(&owner, "c", log);
  ASSERT_EQ(owner.ComponentCount(), 3);
  EXPECT_EQ(owner.Components(0), a);
  EXPECT_EQ(owner.Components(1), b);
  EXPECT_EQ(owner.Components(2), c);
  EXPECT_EQ(b->Owner(), &owner);
}

TEST(Ownership, DestroyingTheOwnerDestroysWhatItOwnsLastFirstAndDeeply) {
  std::vector<std::string> log;
  {
    Tracked owner(nullptr, "owner", log);
    new Tracked(&owner, "a", log);
    auto* b = new Tracked(&owner, "b", log);
    new Tracked(b, "b.1", log);
    new Tracked(&owner, "c", log);
  }
  EXPECT_EQ(log, (std::vector<std::string>{"owner", "c", "b", "b.1", "a"}));
}

TEST(Ownership, AComponentDeletedOnItsOwnLeavesItsOwnersList) {
  std::vector<std::string> log;
  TComponent owner(nullptr);
  auto* a = new Tracked(&owner, "a", log);
  auto* b = new Tracked(&owner, "b", log);
  delete a;
  ASSERT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(owner.Components(0), b);
  EXPECT_EQ(log, std::vector<std::string>{"a"});
}

TEST(KindTests, FollowTheClassHierarchy) {
  TComponent owner(nullptr);
  auto* edit = new fw::TCustomEdit(&owner);
  auto* pair = new fw::TSpinButton(&owner);
  const fw::TObject* asObject = edit;
  EXPECT_TRUE(asObject->Is<fw::TCustomEdit>());
  EXPECT_TRUE(asObject->Is<fw::TWinControl>());
  EXPECT_TRUE(asObject->Is<fw::TControl>());
  EXPECT_TRUE(asObject->Is<TComponent>());
  EXPECT_FALSE(asObject->Is<fw::TSpinButton>());
  EXPECT_FALSE(static_cast<const fw::TObject*>(pair)->Is<fw::TCustomEdit>());
  EXPECT_FALSE(static_cast<const fw::TObject*>(&owner)->Is<fw::TControl>());
  EXPECT_TRUE(static_cast<const fw::TObject*>(pair->UpButton())->Is<fw::TControl>());
  EXPECT_FALSE(static_cast<const fw::TObject*>(pair->UpButton())->Is<fw::TWinControl>());
}

TEST(Parenting, AParentFreesItsChildControlsWhoeverOwnsThem) {
  TComponent owner(nullptr);
  auto* parent = new fw::TWinControl(&owner);
  auto* child = new fw::TCustomEdit(&owner);
  child->SetParent(parent);
  ASSERT_EQ(owner.ComponentCount(), 2);
  delete parent;
  // The child went with its parent and left the owner's list on its way.
  EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST(Parenting, AChildDeletedOnItsOwnLeavesItsParent) {
  fw::TWinControl parent(nullptr);
  auto* first = new fw::TCustomEdit(nullptr);
  auto* second = new fw::TCustomEdit(nullptr);
  first->SetParent(&parent);
  second->SetParent(&parent);
  delete first;
  ASSERT_EQ(parent.ControlCount(), 1);
  EXPECT_EQ(parent.Controls(0), second);
  EXPECT_EQ(second->TabOrder(), 0);
}

}  // namespace
