#pragma once
// The component model: an owner frees what it owns, components carry a name and state flags
// (design mode, loading), get a completion step after a layout has been read, and hear of
// components inserted into or removed from their owner.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The common base of everything that can be the Sender of an event.
class TObject {
  public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
};

enum TOperation : std::uint8_t { opInsert = 0, opRemove = 1 };

enum TComponentStateFlag : std::uint8_t {
    csLoading = 1u << 0,    // its properties are being read from a layout description
    csDesigning = 1u << 1,  // edited in a designer rather than run
};

class TComponent : public TObject {
  public:
    // Joins the owner's list (the owner then frees it); a designing owner makes it designing.
    explicit TComponent(TComponent* owner);
    // Frees the owned components, last inserted first, then leaves the owner.
    ~TComponent() override;
    // Frees the owned components now (an owner whose components need its other members frees
    // them before those go).
    void DestroyComponents();

    TComponent* Owner() const noexcept { return owner_; }
    const std::string& Name() const noexcept { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    bool IsDesigning() const noexcept { return (state_ & csDesigning) != 0; }
    bool IsLoading() const noexcept { return (state_ & csLoading) != 0; }
    // Sets or clears design mode for this component and everything it owns.
    void SetDesigning(bool value);
    // Called by a layout loader before it writes the properties; Loaded ends it.
    void BeginLoading() noexcept { state_ = static_cast<std::uint8_t>(state_ | csLoading); }

    std::size_t ComponentCount() const noexcept { return components_.size(); }
    TComponent* Component(std::size_t index) const { return components_.at(index); }
    // The owned component of that name, or none.
    TComponent* FindComponent(std::string_view name) const;

    // Completion step after a layout description has been read: ends loading.
    virtual void Loaded();
    // Told of every component inserted into or removed from the owner; passes the notice on to
    // everything this component owns.
    virtual void Notification(TComponent* component, TOperation operation);

  private:
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    TComponent* owner_;
    std::string name_;
    std::uint8_t state_ = 0;
    std::vector<TComponent*> components_;  // owned
};
