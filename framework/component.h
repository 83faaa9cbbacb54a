#pragma once
// The component model: objects with an owner that frees them, a Tag, a Name and kind tests.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace fw {

// Root of every framework class. Kind tests follow the class hierarchy: Is<TCustomEdit>() holds
// for a TCustomEdit and for every class derived from it.
class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  template <class T>
  bool Is() const {
    return dynamic_cast<const T*>(this) != nullptr;
  }
  template <class T>
  T* As() {
    return dynamic_cast<T*>(this);
  }
};

using TNotifyEvent = std::function<void(TObject* sender)>;

// A component belongs to its owner, which keeps it in its list of owned components (in the order
// they were added) and destroys it when the owner itself is destroyed. A component may also be
// deleted on its own; it then leaves its owner's list.
class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(static_cast<std::size_t>(index)); }

  std::int32_t Tag() const { return tag_; }
  void SetTag(std::int32_t tag) { tag_ = tag; }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  // True from the start of the destructor on; teardown code uses it to skip work that only
  // makes sense for a living component.
  bool Destroying() const { return destroying_; }

 protected:
  // Called on an owner after a component was added to or is about to leave its list.
  virtual void ComponentInserted(TComponent* component);
  virtual void ComponentRemoving(TComponent* component);
  // Subclasses that need to tear down before their owned components go call this first thing
  // in their own destructor; it is harmless to call twice.
  void DestroyComponents();
  void MarkDestroying() { destroying_ = true; }

 private:
  void Insert(TComponent* component);
  void Remove(TComponent* component);

  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::int32_t tag_ = 0;
  std::string name_;
  bool destroying_ = false;
};

}  // namespace fw
